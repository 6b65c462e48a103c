#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

// The program's own pictures are all PNG. Reading them with the format named
// keeps Qt from probing (and loading into memory) every image-format plugin
// installed, as reading by file name alone does.
QImage pngImage(const QString& path);
QIcon pngIcon(const QString& path);
