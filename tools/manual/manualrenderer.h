#pragma once

#include <QByteArray>
#include <QString>

// Typesets an HTML manual into an A4 PDF, using one font file and nothing
// else, so that the layout and the page count do not depend on the fonts a
// machine happens to have. Pages carry a footer "Seite n von N".
class ManualRenderer
{
public:
    // fontFile: the TrueType file every line is set in. expectedPages: the
    // exact page count the manual must come out at.
    ManualRenderer(QString fontFile, int expectedPages);

    // Returns the PDF's bytes, or an empty array with errorString() set when
    // the font cannot be loaded, the HTML asks for another font family or
    // for a character the font lacks, or the page count is not the expected
    // one. Needs a QGuiApplication.
    QByteArray render(const QString &html, const QString &title);

    QString errorString() const { return m_error; }

private:
    QString m_fontFile;
    int m_expectedPages;
    QString m_error;
};
