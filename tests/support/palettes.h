#pragma once

#include <QApplication>
#include <QPalette>
#include <QWidget>

// A dark theme's palette, with Adwaita-Dark's window colour.
inline QPalette darkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::Button, QColor(0x44, 0x44, 0x44));
    return dark;
}

// As a theme switch does it: the widgets learn of it through posted events.
inline void switchPalette(const QPalette& palette) {
    QApplication::setPalette(palette);
    QCoreApplication::processEvents();
}

inline QColor textColour(const QWidget* widget) {
    return widget->palette().color(QPalette::WindowText);
}
