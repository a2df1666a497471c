// Damaged and hostile model and status files thrown at the real window: for
// each, start up, select every element, store it, reset it, and reset the
// whole model. Nothing may crash or hang, every error is shown in a box with a
// message, and a store changes only the element's own lines.
#include "windowfixture.h"

#include "linelist.h"
#include "modelstore.h"

#include <QRandomGenerator>

#include <functional>

namespace {

QByteArray embeddedModel()
{
    QFile file(QStringLiteral(":/RT_RCDATA/DE_Modell"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray zeroStatus()
{
    QByteArray status;
    for (int i = 0; i < 161; ++i)
        status += "0\r\n";
    return status;
}

struct DamagedFiles {
    const char* name;
    std::function<QByteArray()> model;
    std::function<QByteArray()> status;
};

QByteArray firstLines(const QByteArray& text, int count)
{
    QList<QByteArray> lines = text.split('\n');
    return lines.mid(0, count).join('\n');
}

QByteArray mutated(quint32 seed, int changes)
{
    QRandomGenerator random(seed);
    QByteArray bytes = embeddedModel();
    for (int i = 0; i < changes; ++i) {
        const int at = int(random.bounded(quint32(bytes.size())));
        switch (random.bounded(4)) {
        case 0: bytes[at] = char(random.bounded(256)); break;
        case 1: bytes.insert(at, ","); break;
        case 2: bytes.remove(at, int(random.bounded(40u))); break;
        default: bytes.insert(at, "\r"); break;
        }
    }
    return bytes;
}

QList<DamagedFiles> damagedFiles()
{
    const auto model = [] { return embeddedModel(); };
    const auto status = [] { return zeroStatus(); };
    QList<DamagedFiles> cases = {
        {"EmptyModel", [] { return QByteArray(); }, status},
        {"OnlyHeaders", [] { return QByteArray("BUILDING MODS\r\nALL BUILDINGS\r\nHOUSE MODS\r\nALL HOUSES\r\n"); },
         status},
        {"NoHouseSections", [] { return firstLines(embeddedModel(), 276); }, status},
        {"FewerLines", [] { return firstLines(embeddedModel(), 200); }, status},
        {"MoreLines", [] { return embeddedModel() + QByteArray("Zusatz,1,2,\r\n").repeated(30); }, status},
        {"TenThousandLines",
         [] { return embeddedModel() + QByteArray("999,Bauernhaus Kopie,{,1,2,3,},\r\n").repeated(9702); }, status},
        {"HundredThousandCharacterLine",
         [] {
             QByteArray bytes = embeddedModel();
             return bytes.replace("193,Bauernhaus,{,", "193,Bauernhaus,{," + QByteArray(100000, '7') + ",");
         },
         status},
        {"NoCommas", [] { return embeddedModel().replace(',', ';'); }, status},
        {"StrayByteOrderMarks", [] { return embeddedModel().replace("\r\n2", "\r\n\xEF\xBB\xBF" "2"); }, status},
        {"NulAndControlBytes",
         [] {
             QByteArray bytes = embeddedModel();
             for (int at = 17; at < bytes.size(); at += 97)
                 bytes[at] = char(at % 32);
             return bytes;
         },
         status},
        {"CarriageReturnsOnly", [] { return embeddedModel().replace("\r\n", "\r"); }, status},
        {"MixedLineEnds",
         [] {
             QByteArray bytes = embeddedModel();
             int n = 0;
             for (qsizetype at = bytes.indexOf("\r\n"); at >= 0; at = bytes.indexOf("\r\n", at + 1)) {
                 if (++n % 3 == 1)
                     bytes.remove(at, 1);  // LF alone
                 else if (n % 3 == 2)
                     bytes.remove(at + 1, 1);  // CR alone
             }
             return bytes;
         },
         status},
        {"Utf16WithOddByteCount",
         [] {
             const QString text = LineList::fromBytes(embeddedModel()).lines().join(QStringLiteral("\r\n"));
             QByteArray bytes("\xFF\xFE", 2);
             bytes += QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
             return bytes + "\x41";
         },
         status},
        {"Utf16BigEndianGarbage", [] { return QByteArray("\xFE\xFF\xD8\x00\x00\x41\xDC", 7); }, status},
        {"Utf8WithMark", [] { return "\xEF\xBB\xBF" + embeddedModel(); }, status},
        {"StatusWithLetters", model, [] { return QByteArray("x\r\n1a\r\nja\r\n").repeated(60); }},
        {"StatusNegativeAndHuge", model,
         [] { return QByteArray("-1\r\n99999999999999999999\r\n2147483648\r\n3\r\n").repeated(45); }},
        {"StatusTooShort", model, [] { return QByteArray("1\r\n1\r\n1"); }},
        {"StatusEmpty", model, [] { return QByteArray(); }},
    };
    for (quint32 seed : {1u, 2u, 3u, 4u, 5u, 6u}) {
        cases.append({"RandomMutation", [seed] { return mutated(seed, 40); }, status});
    }
    return cases;
}

}  // namespace

class RobustnessTest : public WindowFixture, public ::testing::WithParamInterface<int> {
protected:
    // Checks that the store changed only the element's lines.
    void expectOnlyElementLinesChanged(const LineList& before, const QString& caption, int code)
    {
        LineList after;
        DiskFiles disk;
        ASSERT_TRUE(after.readFile(disk, modelPath(), nullptr));
        ASSERT_EQ(after.count(), before.count()) << caption.toStdString();
        const int row = FindElementRow(before, caption);
        const int partner = code >= 100 ? FindPartnerRow(before, code) : -1;
        for (int i = 0; i < after.count(); ++i) {
            if (i != row && i != partner) {
                ASSERT_EQ(after.at(i), before.at(i)) << caption.toStdString() << " changed line " << i;
            }
        }
    }
};

TEST_P(RobustnessTest, WindowSurvivesTheFilesAndStoresOnlyElementRows)
{
    const DamagedFiles damaged = damagedFiles().at(GetParam());
    SCOPED_TRACE(damaged.name);
    touch(gamePath(QStringLiteral("Model/EmperorBuildingModels.bak")), "Sicherung");
    touch(modelPath(), damaged.model());
    touch(statusPath(), damaged.status());
    touch(gamePath(QStringLiteral("Model/ResetTreeImage.Index")), zeroStatus());
    start();
    ASSERT_EQ(tree()->nodeCount(), 161);

    QPushButton* speichern = control<QPushButton>(QStringLiteral("Speichern"));
    QPushButton* elementReset = control<QPushButton>(QStringLiteral("SingleElementReset"));
    for (int position = 0; position < tree()->nodeCount(); ++position) {
        // Edits a refused store left behind are dropped when moving on.
        if (state().IsDirty)
            host.answers = {MessageAnswer::No};
        tree()->selectPosition(position);
        ASSERT_EQ(tree()->selectedNode(), tree()->itemAtPosition(position));
        const int code = state().CurrentElementCode;
        if (code == 0)
            continue;
        const QString caption = tree()->itemAtPosition(position)->text(0);
        LineList before;
        DiskFiles disk;
        const bool readable = before.readFile(disk, modelPath(), nullptr);
        // A store either succeeds or says why in a box; it never fails silently.
        const auto expectStoredOrExplained = [&](QPushButton* command) {
            if (!command->isEnabled())
                return;
            const qsizetype boxes = host.messages.size();
            command->click();
            EXPECT_TRUE(!state().IsDirty || host.messages.size() > boxes) << caption.toStdString();
        };
        expectStoredOrExplained(speichern);
        if (readable)
            expectOnlyElementLinesChanged(before, caption, code);
        expectStoredOrExplained(elementReset);
    }
    host.answers = {MessageAnswer::Ok};
    click(QStringLiteral("CompleteReset"));
    EXPECT_EQ(bytesOf(modelPath()), embeddedModel());
    EXPECT_EQ(tree()->nodeCount(), 161);
    for (const FakeHost::ShownMessage& message : host.messages) {
        EXPECT_FALSE(message.text.trimmed().isEmpty());
        EXPECT_FALSE(message.title.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(DamagedFiles, RobustnessTest, ::testing::Range(0, int(damagedFiles().size())),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::string(damagedFiles().at(info.param).name) + "_" +
                                    std::to_string(info.param);
                         });
