#pragma once

#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <QTextDocumentFragment>
#include <QVector>

// The words of a PDF's first page as `pdftotext -bbox` places them, in points
// from the page's top left corner.
struct PdfWord {
    QString text;
    QRectF box;
};

inline QVector<PdfWord> pdfWords(const QString& file) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-bbox"), file, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QVector<PdfWord> words;
    const QString xml = QString::fromUtf8(process.readAllStandardOutput());
    for (auto it = word.globalMatch(xml); it.hasNext();) {
        const auto m = it.next();
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        words.push_back({QTextDocumentFragment::fromHtml(m.captured(5)).toPlainText(),
                         QRectF(topLeft, bottomRight)});
    }
    return words;
}
