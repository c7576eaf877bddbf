#pragma once
// Where GUI tests leave pictures of what they drew, for a developer to look at.
#include <gtest/gtest.h>

#include <QDir>
#include <QString>

inline QString pastaVistas() {
    const QString pasta = QString::fromStdString(::testing::TempDir()) + QStringLiteral("brelvio-vistas");
    QDir().mkpath(pasta);
    return pasta;
}
