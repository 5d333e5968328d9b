#pragma once

#include <QString>

#include <cstdint>

struct FileDialogOptions;

// The private message the editor posts to the preview program's window, and
// its two requests (first parameter; the second is 0).
constexpr std::uint32_t PreviewMessage = 41984;
constexpr std::int64_t PreviewCloseRequest = 1;
constexpr std::int64_t PreviewReloadRequest = 2;

// The time a freshly started preview program has to show its window.
constexpr int DemoStartWaitMs = 800;

// The editor keeps no handle of the preview program: every call finds its
// window again by the caption.

// Asks the running preview program to reload the published skin; when none
// runs, starts demoFileName with "/edit", or first asks for the program with
// openDemoDialog when that file is missing (demoFileName becomes the chosen
// file). After a start the program's version is checked.
void NotifyOrStartDemo(const QString& caption, QString& demoFileName, const FileDialogOptions& openDemoDialog);

// Asks a running preview program to close.
void CloseDemoProgram(const QString& caption);
