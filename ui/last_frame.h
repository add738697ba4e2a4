#pragma once

#include <QWidgetList>
#include <functional>

namespace quorvel {

// Qt 6.4.2's Wayland client (Debian 12) can abort when a window hides while the compositor's
// "frame done" event for it is being handled: the event thread and the main thread both destroy
// the window's frame callback (wl_proxy_unref: "proxy->refcount > 0"). Qt 6.4.3 fixed it
// (qtwayland 551a788f, review 445585); once quorvel needs Qt 6.5 or later, this file can go.
//
// So on Wayland a window closes only when it has no frame in flight: it stops drawing, asks for
// two updates (the first comes once the last frame is done, the second once the event thread has
// left that frame's handler), waits a moment for the event thread to return, and then closes.
// On every other platform the close happens at once.

// Runs `then` once no frame of the visible windows among `windows` is in flight; the windows
// draw nothing more until then. `then` runs at once on every platform but Wayland.
void afterLastFrame(const QWidgetList& windows, std::function<void()> then);

// For a window's own close paths (closeEvent, QDialog::done): true when the close is put off,
// in which case `close` runs once the window's last frame is done and must close it for good.
// False when the window may close now.
bool putOffUntilLastFrame(QWidget* window, std::function<void()> close);

// EXIT: every window closes, then the program ends.
void quitAfterLastFrames();

// Turns the wait off, so that a stress check can show the fault it avoids.
void waitForLastFrames(bool wait);

}  // namespace quorvel
