#pragma once
// The busy cursor for a guard's lifetime, while pages are built.
#include <QGuiApplication>

struct CursorOcupado {
    // Qt::BusyCursor (arrow with hourglass) where the user may still look around.
    explicit CursorOcupado(Qt::CursorShape forma = Qt::WaitCursor) { QGuiApplication::setOverrideCursor(forma); }
    ~CursorOcupado() { QGuiApplication::restoreOverrideCursor(); }
    CursorOcupado(const CursorOcupado&) = delete;
    CursorOcupado& operator=(const CursorOcupado&) = delete;
};
