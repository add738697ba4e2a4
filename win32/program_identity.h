#pragma once

// The application's title and version as the build gives them.
namespace quorvel::win32 {

inline constexpr char kTitle[] = QUORVEL_TITLE;
inline constexpr int kVersionMajor = QUORVEL_VERSION_MAJOR;
inline constexpr int kVersionMinor = QUORVEL_VERSION_MINOR;
inline constexpr int kVersionRevision = QUORVEL_VERSION_PATCH;

}  // namespace quorvel::win32
