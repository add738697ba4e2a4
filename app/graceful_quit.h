#pragma once

class QObject;

namespace quorvel {

// On a termination request from the system (SIGTERM, SIGINT, SIGHUP: a session ending, a
// package test, Ctrl+C) the program closes its windows and leaves the event loop normally
// instead of dying mid-event. Does nothing where there are no such signals.
void quitGracefullyOnTermination(QObject* owner);

}  // namespace quorvel
