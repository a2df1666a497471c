// Build tool: typesets the German manual from its HTML source into the PDF
// that the program embeds. Fails (exit status 1) when the manual does not
// come out at exactly six pages in the embedded font.
//
// Usage: mav_manual_tool FONT.ttf MANUAL.html OUTPUT.pdf

#include "manualrenderer.h"

#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextStream>

namespace {

constexpr int kManualPages = 6;
const char *const kTitle = "Sierra Modell Dateien";

int fail(const QString &message)
{
    QTextStream(stderr) << "mav_manual_tool: " << message << '\n';
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return fail(QStringLiteral("usage: mav_manual_tool FONT.ttf MANUAL.html OUTPUT.pdf"));

    QFile source(args.at(2));
    if (!source.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1: %2").arg(source.fileName(), source.errorString()));
    const QString html = QString::fromUtf8(source.readAll());

    ManualRenderer renderer(args.at(1), kManualPages);
    const QByteArray pdf = renderer.render(html, QString::fromLatin1(kTitle));
    if (pdf.isEmpty())
        return fail(renderer.errorString());

    // Written whole or not at all, so a failed run leaves no PDF that the
    // build would take as up to date.
    QSaveFile output(args.at(3));
    if (!output.open(QIODevice::WriteOnly) || output.write(pdf) != pdf.size() || !output.commit())
        return fail(QStringLiteral("cannot write %1: %2").arg(output.fileName(), output.errorString()));
    return 0;
}
