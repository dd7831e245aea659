#pragma once

class QWidget;

// The design's outline rectangles: one pixel, in the window-text colour,
// behind the controls they frame.
namespace outlines {

// An empty widget for one rectangle on page, which takes no input; the page
// draws the outline, whole device pixels on every edge at any scale factor.
QWidget* add(QWidget* page);

}  // namespace outlines
