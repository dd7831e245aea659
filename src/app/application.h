#pragma once

// What the program sets on the application once it exists, before it
// builds its window.
namespace application {

// The name and desktop id, the Fusion style, the design's window font as
// the application's font, and the desktop's font for tooltips.
void setUp();

}  // namespace application
