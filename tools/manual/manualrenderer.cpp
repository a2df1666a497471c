#include "manualrenderer.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFontDatabase>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRawFont>
#include <QSet>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>

#include <utility>

namespace {

constexpr qreal kBodyPointSize = 10.5;
constexpr qreal kFooterPointSize = 8.5;
// Space between the text body and the footer line, and the footer's height.
constexpr qreal kFooterGapMm = 4.0;
constexpr qreal kFooterHeightMm = 8.0;
const QMarginsF kPageMarginsMm(22.0, 18.0, 22.0, 14.0);

qreal millimetres(qreal mm, int dpi) { return mm * dpi / 25.4; }

// Families the document asks for besides its default one.
QStringList foreignFamilies(const QTextDocument &doc, const QString &family)
{
    QSet<QString> found;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QStringList families = it.fragment().charFormat().fontFamilies().toStringList();
            for (const QString &f : families) {
                if (f != family)
                    found.insert(f);
            }
        }
    }
    return QStringList(found.begin(), found.end());
}

// Characters of the text that the font has no glyph for; a fallback font
// would take them from the machine.
QString missingCharacters(const QTextDocument &doc, const QRawFont &font)
{
    QString missing;
    const QString text = doc.toRawText();
    for (auto it = text.cbegin(); it != text.cend(); ++it) {
        const QChar c = *it;
        if (!c.isPrint() || c.isSpace() || c.isSurrogate())
            continue;
        if (!font.supportsCharacter(c) && !missing.contains(c))
            missing.append(c);
    }
    return missing;
}

// Where each forced page break landed, e.g. "2: 4. Aufbau der Datei", so
// that an author sees which page ran over.
QStringList pageStarts(const QTextDocument &doc, qreal pageHeight)
{
    QStringList starts;
    const QAbstractTextDocumentLayout *layout = doc.documentLayout();
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (!(block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore))
            continue;
        const int page = int(layout->blockBoundingRect(block).top() / pageHeight) + 1;
        starts.append(QStringLiteral("%1: %2").arg(page).arg(block.text()));
    }
    return starts;
}

} // namespace

ManualRenderer::ManualRenderer(QString fontFile, int expectedPages)
    : m_fontFile(std::move(fontFile)), m_expectedPages(expectedPages)
{
}

QByteArray ManualRenderer::render(const QString &html, const QString &title)
{
    m_error.clear();
    const int fontId = QFontDatabase::addApplicationFont(m_fontFile);
    const QStringList families = QFontDatabase::applicationFontFamilies(fontId);
    if (fontId < 0 || families.isEmpty()) {
        m_error = QStringLiteral("cannot load the font file %1").arg(m_fontFile);
        return {};
    }
    const QString family = families.first();

    QBuffer pdfBytes;
    pdfBytes.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdfBytes);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("MAV Edit"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     kPageMarginsMm, QPageLayout::Millimeter));
    const int dpi = writer.resolution();
    const QRectF paintRect = writer.pageLayout().paintRectPixels(dpi);
    const qreal footerSpace = millimetres(kFooterGapMm + kFooterHeightMm, dpi);
    const QSizeF bodySize(paintRect.width(), paintRect.height() - footerSpace);

    QTextDocument doc;
    // Measure text on the PDF itself, not on a screen of unknown density.
    doc.documentLayout()->setPaintDevice(&writer);
    QFont bodyFont(family);
    bodyFont.setPointSizeF(kBodyPointSize);
    doc.setDefaultFont(bodyFont);
    doc.setDocumentMargin(0);
    doc.setPageSize(bodySize);
    doc.setHtml(html);

    const QStringList foreign = foreignFamilies(doc, family);
    if (!foreign.isEmpty()) {
        m_error = QStringLiteral("the manual asks for the font families %1; only \"%2\" is allowed")
                      .arg(foreign.join(QStringLiteral(", ")), family);
        return {};
    }
    const QString missing = missingCharacters(doc, QRawFont::fromFont(bodyFont));
    if (!missing.isEmpty()) {
        m_error = QStringLiteral("the font \"%1\" has no glyphs for \"%2\"").arg(family, missing);
        return {};
    }
    const int pages = doc.pageCount();
    if (pages != m_expectedPages) {
        const QStringList starts = pageStarts(doc, bodySize.height());
        m_error = QStringLiteral("the manual comes out at %1 pages instead of %2; %3")
                      .arg(pages)
                      .arg(m_expectedPages)
                      .arg(starts.isEmpty() ? QStringLiteral("it has no forced page breaks")
                                            : QStringLiteral("the forced page breaks land on pages ")
                                                  + starts.join(QStringLiteral("; ")));
        return {};
    }

    QFont footerFont(family);
    footerFont.setPointSizeF(kFooterPointSize);
    const qreal footerTop = bodySize.height() + millimetres(kFooterGapMm, dpi);
    const QRectF footerRect(0, footerTop, bodySize.width(), millimetres(kFooterHeightMm, dpi));

    QPainter painter(&writer);
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            writer.newPage();
        const qreal pageTop = page * bodySize.height();
        painter.save();
        painter.translate(0, -pageTop);
        doc.drawContents(&painter, QRectF(QPointF(0, pageTop), bodySize));
        painter.restore();

        painter.setPen(QPen(QColor(128, 0, 0), millimetres(0.25, dpi)));
        painter.drawLine(footerRect.topLeft(), footerRect.topRight());
        painter.setPen(Qt::black);
        painter.setFont(footerFont);
        painter.drawText(footerRect, Qt::AlignLeft | Qt::AlignVCenter, title);
        painter.drawText(footerRect, Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("Seite %1 von %2").arg(page + 1).arg(pages));
    }
    painter.end();
    return pdfBytes.data();
}
