#pragma once

#include <QString>

// Questions the program asks the operating system about itself and other processes.
namespace System {

// The process runs with administrator rights (on Linux: effective user root).
bool isElevated();

// A process with this image name runs; compared in upper case with the executable's
// file name.
bool prozessLaeuft(const QString& imageName);

} // namespace System
