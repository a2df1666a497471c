#include "diskfiles.h"
#include "embeddedmodel.h"
#include "modelstore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

constexpr int kBauernhausLine = 200;
constexpr int kSteinhauerLine = 43;

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QList<int> changedLines(const LineList& before, const LineList& after)
{
    QList<int> changed;
    EXPECT_EQ(before.count(), after.count());
    for (int line = 0; line < before.count() && line < after.count(); ++line) {
        if (before.at(line) != after.at(line))
            changed.append(line);
    }
    return changed;
}

// A store on the embedded model, its file in a temporary folder.
class StoreTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        pristineBytes = EmbeddedModelBytes();
        store.PristineModel = LineList::fromBytes(pristineBytes);
        store.CurrentModel = store.PristineModel;
        store.ModelFilePath = folder.filePath(QStringLiteral("EmperorBuildingModels.txt"));
        QFile file(store.ModelFilePath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(pristineBytes);
    }

    // Shows the element and stores it without a change, as "Speichern" does.
    bool storeUnchanged(const QString& caption, int code, QString* error)
    {
        const ElementKind kind = store.LoadElementRecords(caption, code);
        const int row = FindElementRow(store.CurrentModel, caption);
        const int partner = FindPartnerRow(store.CurrentModel, code);
        return store.WriteElementRows(kind, row, partner, files, error);
    }

    // The file and CurrentModel hold the same lines.
    void expectFileMatchesMemory()
    {
        EXPECT_EQ(fileBytes(store.ModelFilePath), store.CurrentModel.toBytes());
    }

    QStringList folderEntries() const
    {
        return QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QTemporaryDir folder;
    QByteArray pristineBytes;
    ModelStore store;
    DiskFiles files;
};

TEST(FindElementRow, FindsTheRowsOfTheEmbeddedModel)
{
    const LineList model = EmbeddedModel();
    const struct {
        const char* caption;
        int line;
    } cases[] = {
        {"Hütte", 284},                     // not "Seidenraupenhütte": case differs
        {"Armbrustschützen", 227},          // containment reaches the Fort rows
        {"Infantrie", 228},
        {"Katapult", 230},
        {"Kavallerie", 231},
        {"Wagenlenker", 232},
        {"Gehobene Wohnung Bauplatz", 18},  // the building row before the house row
        {"Planieren", 30},
        {"Brücke", 130},                    // the row of that name, not "Teich mit Brücke"
        {"Teich mit Brücke", 127},
        {"  Brücke\t", 130},                // the caption is trimmed
        {"Braune Wohngebietmauer", 96},     // the name is compared trimmed
        {"Löwen-Skulptur", 253},
        {"Unterstand", 283},
        {"Geräumiges Haus", 287},
        {"Bauernhaus", 200},
        {"brücke", 298},                    // case-sensitive
        {"", 298},
        {"   ", 298},
        {"Gibt es nicht", 298},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindElementRow(model, QString::fromUtf8(c.caption)), c.line) << c.caption;
}

TEST(FindElementRow, ANameEqualToTheCaptionWinsOverEarlierContainingRows)
{
    LineList list;
    list.setLines({QStringLiteral("1,Teich mit Brücke,{,1,}"), QStringLiteral("Alte Hütte,{,1,"),
                   QStringLiteral("Hütte, {,2,"), QStringLiteral("2,Brücke ,{,3,}")});
    EXPECT_EQ(FindElementRow(list, QStringLiteral("Brücke")), 3);
    EXPECT_EQ(FindElementRow(list, QStringLiteral("Hütte")), 2);  // house row: the name is the first field
    EXPECT_EQ(FindElementRow(list, QStringLiteral("Teich")), 0);  // no equal name: first containing row
    EXPECT_EQ(FindElementRow(LineList(), QStringLiteral("Brücke")), 0);
}

TEST(FindPartnerRow, FindsTheHRowOfTheCode)
{
    const LineList model = EmbeddedModel();
    EXPECT_EQ(FindPartnerRow(model, 100), 10);
    EXPECT_EQ(FindPartnerRow(model, 107), 17);
    EXPECT_EQ(FindPartnerRow(model, 108), 19);
    EXPECT_EQ(FindPartnerRow(model, 113), 24);
    EXPECT_EQ(FindPartnerRow(model, 15), 298);
}

TEST(ElementKindOf, SplitsAtLine275)
{
    EXPECT_EQ(ElementKindOf(0), ElementKind::Building);
    EXPECT_EQ(ElementKindOf(274), ElementKind::Building);
    EXPECT_EQ(ElementKindOf(275), ElementKind::Neither);
    EXPECT_EQ(ElementKindOf(276), ElementKind::House);
    EXPECT_EQ(ElementKindOf(297), ElementKind::House);
}

TEST(ReplaceRow, ReplacesInPlaceAndIgnoresIndexesOutsideTheList)
{
    LineList list;
    list.setLines({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    ReplaceRow(list, 1, QStringLiteral("B"));
    ReplaceRow(list, 3, QStringLiteral("x"));
    ReplaceRow(list, -1, QStringLiteral("x"));
    EXPECT_EQ(list.lines(), (QStringList{QStringLiteral("a"), QStringLiteral("B"), QStringLiteral("c")}));
}

TEST_F(StoreTest, LoadsAHouseLevelWithItsPartnerRow)
{
    EXPECT_EQ(store.LoadElementRecords(QStringLiteral("Unterstand"), 100), ElementKind::House);
    EXPECT_EQ(store.HouseFields.slot[2], QStringLiteral("-99"));
    EXPECT_EQ(store.HouseFields.slot[3], QStringLiteral("-10"));
    EXPECT_EQ(store.HouseFields.slot[19], QStringLiteral("7"));
    EXPECT_EQ(store.BuildingFields.slot[1], QStringLiteral("H100"));
    EXPECT_EQ(store.BuildingFields.slot[9], QStringLiteral("18"));
    EXPECT_EQ(store.BuildingFields.slot[10], QStringLiteral("11"));
    EXPECT_EQ(store.BuildingFields.slot[15], QStringLiteral("4"));
    EXPECT_EQ(store.PristineHouseFields, SplitRow(store.PristineModel.at(283)));
    EXPECT_EQ(store.PristineBuildingFields, SplitRow(store.PristineModel.at(10)));
}

TEST_F(StoreTest, LoadingABuildingLeavesTheHouseRecords)
{
    store.LoadElementRecords(QStringLiteral("Unterstand"), 100);
    const ElementRecord house = store.HouseFields;
    const ElementRecord pristineHouse = store.PristineHouseFields;
    EXPECT_EQ(store.LoadElementRecords(QStringLiteral("Steinhauerlager"), 15), ElementKind::Building);
    EXPECT_EQ(store.BuildingFields.slot[3], QStringLiteral("120"));
    EXPECT_EQ(store.BuildingFields.slot[4], QStringLiteral("-30"));
    EXPECT_EQ(store.BuildingFields.slot[7], QStringLiteral("8"));
    EXPECT_EQ(store.BuildingFields.slot[8], QStringLiteral("15"));
    EXPECT_EQ(store.PristineBuildingFields, store.BuildingFields);
    EXPECT_EQ(store.HouseFields, house);
    EXPECT_EQ(store.PristineHouseFields, pristineHouse);
}

TEST_F(StoreTest, ThePristineRowIsTheLineAtTheSameIndex)
{
    store.CurrentModel.replace(kSteinhauerLine, QStringLiteral("36,Steinhauerlager,{,999,"));
    store.LoadElementRecords(QStringLiteral("Steinhauerlager"), 15);
    EXPECT_EQ(store.BuildingFields.slot[3], QStringLiteral("999"));
    EXPECT_EQ(store.PristineBuildingFields.slot[3], QStringLiteral("120"));

    // A model file longer than the pristine copy: no pristine row, empty slots.
    LineList shortPristine;
    shortPristine.setLines(store.PristineModel.lines().mid(0, 20));
    store.PristineModel = shortPristine;
    EXPECT_EQ(store.LoadElementRecords(QStringLiteral("Steinhauerlager"), 15), ElementKind::Building);
    EXPECT_EQ(store.PristineBuildingFields, ElementRecord());
    EXPECT_EQ(store.LoadElementRecords(QStringLiteral("Unterstand"), 100), ElementKind::House);
    EXPECT_EQ(store.PristineHouseFields, ElementRecord());
    EXPECT_EQ(store.PristineBuildingFields, SplitRow(store.PristineModel.at(10)));
}

TEST_F(StoreTest, AMissingElementIsNeitherAndEmptiesTheRecords)
{
    store.LoadElementRecords(QStringLiteral("Unterstand"), 100);
    EXPECT_FALSE(store.ElementExists(QStringLiteral("Gibt es nicht")));
    EXPECT_TRUE(store.ElementExists(QStringLiteral("Unterstand")));
    EXPECT_EQ(store.LoadElementRecords(QStringLiteral("Gibt es nicht"), 104), ElementKind::Neither);
    for (const ElementRecord* record : {&store.BuildingFields, &store.HouseFields, &store.PristineBuildingFields,
                                        &store.PristineHouseFields})
        EXPECT_EQ(*record, ElementRecord());
    EXPECT_EQ(store.LoadPristineRecords(QStringLiteral("Gibt es nicht"), 104), ElementKind::Neither);

    const LineList before = store.CurrentModel;
    QString error;
    EXPECT_TRUE(storeUnchanged(QStringLiteral("Gibt es nicht"), 104, &error)) << qPrintable(error);
    EXPECT_EQ(store.CurrentModel, before);
    EXPECT_EQ(fileBytes(store.ModelFilePath), pristineBytes);
}

TEST_F(StoreTest, AHouseWithoutPartnerRowIsCutFromTheRestOfItsRow)
{
    LineList noPartner = store.CurrentModel;
    noPartner.replace(14, QStringLiteral("7,X104,{,0,"));
    store.CurrentModel = noPartner;
    store.PristineModel = noPartner;
    EXPECT_EQ(store.LoadElementRecords(QStringLiteral("Geräumiges Haus"), 104), ElementKind::House);
    EXPECT_EQ(store.BuildingFields, ElementRecord());
    EXPECT_EQ(store.PristineBuildingFields, ElementRecord());
    EXPECT_EQ(store.LoadPristineRecords(QStringLiteral("Geräumiges Haus"), 104), ElementKind::House);
    EXPECT_EQ(store.BuildingFields, ElementRecord());
}

TEST_F(StoreTest, StoringABuildingRewritesOnlyItsLine)
{
    EXPECT_EQ(store.LoadElementRecords(QStringLiteral("Bauernhaus"), 15), ElementKind::Building);
    store.BuildingFields.slot[8] = QStringLiteral(" 30 ");
    const LineList before = store.CurrentModel;
    QString error;
    ASSERT_TRUE(store.WriteElementRows(ElementKind::Building, kBauernhausLine, 298, files, &error))
        << qPrintable(error);
    EXPECT_EQ(changedLines(before, store.CurrentModel), QList<int>{kBauernhausLine});
    EXPECT_EQ(store.CurrentModel.at(kBauernhausLine),
              QStringLiteral("193,Bauernhaus,{,50,-3,1,1,3,30,0,0,0,0,0,250,3,},,,,,,,,,,,,,,,"));
    expectFileMatchesMemory();
    EXPECT_EQ(changedLines(LineList::fromBytes(pristineBytes), LineList::fromBytes(fileBytes(store.ModelFilePath))),
              QList<int>{kBauernhausLine});
}

TEST_F(StoreTest, AnUnchangedStoreWritesTheRewrittenForm)
{
    const struct {
        const char* caption;
        int code;
        QList<int> changed;
        QList<const char*> rows;  // the texts of the changed lines, in order
    } cases[] = {
        {"Steinhauerlager", 15, {43}, {"36,Steinhauerlager,{,120,-30,1,4,8,15,0,15,0,0,0,250,1,},,,,,,,,,,,,,,,"}},
        {"Braune Wohngebietmauer", 15, {96}, {"89,Braune Wohngebietmauer,{,4,-1,1,1,1,0,0,2,0,0,0,400,3,},,,,,,,,,,,,,,,"}},
        {"Brücke", 15, {130}, {"123,Brücke,{,40,0,0,0,0,0,0,4,0,0,0,300,3,},,,,,,,,,,,,,,,"}},
        {"Geräumiges Haus",
         104,
         {14, 287},
         {"7,H104,{,0,0,0,0,0,0,14,15,0,0,0,200,4,},,,,,,,,,,,,,,,",
          "Geräumiges Haus,{,10,22,1,1,0,1,0,0,30,1,0,0,0,0,13,0,0,41,1,0,10,1,0,0,,,,,,"}},
        // Its row has 31 commas already and comes back as it was; only the partner changes.
        {"Elegantes Haus", 105, {15}, {"8,H105,{,0,0,0,0,0,0,13,15,0,0,0,200,4,},,,,,,,,,,,,,,,"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        store.CurrentModel = store.PristineModel;
        QString error;
        ASSERT_TRUE(storeUnchanged(QString::fromUtf8(c.caption), c.code, &error)) << qPrintable(error);
        EXPECT_EQ(changedLines(store.PristineModel, store.CurrentModel), c.changed);
        for (int k = 0; k < c.changed.size() && k < c.rows.size(); ++k)
            EXPECT_EQ(store.CurrentModel.at(c.changed[k]), QString::fromUtf8(c.rows[k]));
        expectFileMatchesMemory();
    }
}

TEST_F(StoreTest, AStoredElementReadsBackItsValues)
{
    store.LoadElementRecords(QStringLiteral("Verziertes Haus"), 106);
    store.HouseFields.slot[19] = QStringLiteral("70");
    store.BuildingFields.slot[15] = QStringLiteral("2");
    QString error;
    ASSERT_TRUE(store.WriteElementRows(ElementKind::House, 289, 16, files, &error)) << qPrintable(error);

    ModelStore reread;
    reread.PristineModel = store.PristineModel;
    ASSERT_TRUE(reread.CurrentModel.readFile(files, store.ModelFilePath, &error)) << qPrintable(error);
    EXPECT_EQ(reread.LoadElementRecords(QStringLiteral("Verziertes Haus"), 106), ElementKind::House);
    EXPECT_EQ(reread.HouseFields.slot[19], QStringLiteral("70"));
    EXPECT_EQ(reread.BuildingFields.slot[15], QStringLiteral("2"));
    EXPECT_EQ(reread.PristineHouseFields.slot[19], QStringLiteral("63"));
    EXPECT_EQ(reread.PristineBuildingFields.slot[15], QStringLiteral("4"));
}

TEST_F(StoreTest, LoadingPristineRecordsAndStoringPutsThePristineRowsBack)
{
    store.CurrentModel.replace(14, QStringLiteral("7,H104,{,5,5,5,5,5,5,5,5,5,5,5,5,5,},"));
    store.CurrentModel.replace(287, QStringLiteral("Geräumiges Haus,{,1,2,3,"));
    store.LoadElementRecords(QStringLiteral("Geräumiges Haus"), 104);
    const ElementRecord pristineHouse = store.PristineHouseFields;
    const ElementRecord pristineBuilding = store.PristineBuildingFields;

    EXPECT_EQ(store.LoadPristineRecords(QStringLiteral("Geräumiges Haus"), 104), ElementKind::House);
    EXPECT_EQ(store.HouseFields, SplitRow(store.PristineModel.at(287)));
    EXPECT_EQ(store.BuildingFields, SplitRow(store.PristineModel.at(14)));
    EXPECT_EQ(store.PristineHouseFields, pristineHouse);
    EXPECT_EQ(store.PristineBuildingFields, pristineBuilding);

    QString error;
    ASSERT_TRUE(store.WriteElementRows(ElementKind::House, 287, 14, files, &error)) << qPrintable(error);
    EXPECT_EQ(store.CurrentModel.at(14), JoinRow(SplitRow(store.PristineModel.at(14))));
    EXPECT_EQ(store.CurrentModel.at(287), JoinRow(SplitRow(store.PristineModel.at(287))));
}

// Each case spoils the store in one way; the store must refuse, write nothing
// and leave CurrentModel as it was.
struct RefusalCase {
    const char* name;
    void (*spoil)(ModelStore&);
    ElementKind kind;
    int row;
    int partner;
    const char* messagePart;
};

void PrintTo(const RefusalCase& c, std::ostream* out)
{
    *out << c.name;
}

class StoreRefusal : public StoreTest, public testing::WithParamInterface<RefusalCase> {};

TEST_P(StoreRefusal, WritesNothingAndSaysWhyInGerman)
{
    const RefusalCase& c = GetParam();
    store.LoadElementRecords(QStringLiteral("Geräumiges Haus"), 104);
    c.spoil(store);
    const LineList before = store.CurrentModel;
    const QByteArray fileBefore = fileBytes(store.ModelFilePath);
    QString error;
    EXPECT_FALSE(store.WriteElementRows(c.kind, c.row, c.partner, files, &error));
    EXPECT_TRUE(error.contains(QString::fromUtf8(c.messagePart))) << qPrintable(error);
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(store.ModelFilePath))) << qPrintable(error);
    EXPECT_EQ(store.CurrentModel, before);
    EXPECT_EQ(fileBytes(store.ModelFilePath), fileBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StoreRefusal,
    testing::Values(
        RefusalCase{"LineAddedBeforeTheHouses",
                    [](ModelStore& s) {
                        QStringList lines = s.CurrentModel.lines();
                        lines.insert(100, QStringLiteral("999,Neu,{,"));
                        s.CurrentModel.setLines(lines);
                    },
                    ElementKind::House, 288, 14, "Zeile 277 müsste \"HOUSE MODS\""},
        RefusalCase{"FileTooShort",
                    [](ModelStore& s) { s.CurrentModel.setLines(s.CurrentModel.lines().mid(0, 200)); },
                    ElementKind::Building, 43, 298, "nur 200 Zeilen"},
        RefusalCase{"FieldPastSlot30",
                    [](ModelStore& s) {
                        s.CurrentModel.replace(287, s.CurrentModel.at(287) + QStringLiteral("geheim,"));
                    },
                    ElementKind::House, 287, 14, "Zeile 288"},
        RefusalCase{"TextAfterTheLastComma",
                    [](ModelStore& s) { s.CurrentModel.replace(14, s.CurrentModel.at(14) + QStringLiteral("7")); },
                    ElementKind::House, 287, 14, "Zeile 15"},
        RefusalCase{"TextPastTheCut",
                    [](ModelStore& s) {
                        s.CurrentModel.replace(43, QStringLiteral("36,Steinhauerlager,{,") + QString(150, u'1') +
                                                       QStringLiteral(",9,"));
                    },
                    ElementKind::Building, 43, 298, "Zeile 44"},
        RefusalCase{"CommaInASlot",
                    [](ModelStore& s) { s.HouseFields.slot[19] = QStringLiteral("4,1"); },
                    ElementKind::House, 287, 14, "\"4,1\""},
        RefusalCase{"LineBreakInASlot",
                    [](ModelStore& s) { s.BuildingFields.slot[4] = QStringLiteral("1\n2"); },
                    ElementKind::House, 287, 14, "Zeilenumbruch"},
        RefusalCase{"RowMissing", [](ModelStore&) {}, ElementKind::Building, 298, 298, "fehlt"},
        RefusalCase{"PartnerMissing", [](ModelStore&) {}, ElementKind::House, 287, 298, "fehlt"}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

TEST_F(StoreTest, TheLayoutCheckNamesTheMissingHeader)
{
    EXPECT_TRUE(store.LayoutIsSound());
    EXPECT_TRUE(store.LayoutProblem().isEmpty());
    for (int line : {0, 6, 276, 282}) {
        store.CurrentModel = store.PristineModel;
        const QString header = store.CurrentModel.at(line);
        store.CurrentModel.replace(line, QStringLiteral("  %1 ").arg(header));
        EXPECT_TRUE(store.LayoutIsSound()) << "blanks around a header are harmless";
        store.CurrentModel.replace(line, header.toLower());
        EXPECT_FALSE(store.LayoutIsSound()) << line;
        EXPECT_TRUE(store.LayoutProblem().contains(QStringLiteral("Zeile %1").arg(line + 1))) << line;
        EXPECT_TRUE(store.LayoutProblem().contains(header)) << line;
    }
    store.CurrentModel.clear();
    EXPECT_FALSE(store.LayoutIsSound());
}

TEST_F(StoreTest, AFailedWriteKeepsFileAndMemoryInStep)
{
    // The write fails at the file layer: the file may not grow past 1 KiB.
    store.LoadElementRecords(QStringLiteral("Bauernhaus"), 15);
    store.BuildingFields.slot[8] = QStringLiteral("30");
    const LineList before = store.CurrentModel;
    const QStringList entriesBefore = folderEntries();

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    QString error;
    const bool written = store.WriteElementRows(ElementKind::Building, kBauernhausLine, 298, files, &error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(store.ModelFilePath))) << qPrintable(error);
    EXPECT_EQ(store.CurrentModel, before);
    EXPECT_EQ(fileBytes(store.ModelFilePath), pristineBytes);
    EXPECT_EQ(folderEntries(), entriesBefore) << "a temporary file was left behind";
}

TEST_F(StoreTest, AnUnwritableModelPathRefusesWithTheSystemsReason)
{
    QFile blocker(folder.filePath(QStringLiteral("Model")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QDir(folder.path()).mkdir(QStringLiteral("Ordner"));
    const QString paths[] = {
        folder.filePath(QStringLiteral("Model/EmperorBuildingModels.txt")),  // parent is a file
        folder.filePath(QStringLiteral("Ordner")),                           // target is a folder
    };
    for (const QString& path : paths) {
        store.ModelFilePath = path;
        store.CurrentModel = store.PristineModel;
        store.LoadElementRecords(QStringLiteral("Hütte"), 101);
        store.HouseFields.slot[2] = QStringLiteral("1");
        const QStringList entriesBefore = folderEntries();
        QString error;
        EXPECT_FALSE(store.WriteElementRows(ElementKind::House, 284, 11, files, &error)) << qPrintable(path);
        EXPECT_TRUE(error.contains(QDir::toNativeSeparators(path))) << qPrintable(error);
        EXPECT_EQ(store.CurrentModel, store.PristineModel);
        EXPECT_EQ(folderEntries(), entriesBefore);
        EXPECT_TRUE(QFileInfo(folder.filePath(QStringLiteral("Ordner"))).isDir());
    }
}

TEST_F(StoreTest, RestoringThePristineModelUndoesEveryStore)
{
    QString error;
    ASSERT_TRUE(storeUnchanged(QStringLiteral("Steinhauerlager"), 15, &error)) << qPrintable(error);
    ASSERT_TRUE(storeUnchanged(QStringLiteral("Geräumiges Haus"), 104, &error)) << qPrintable(error);
    // A model file read as UTF-8 keeps its encoding for later stores.
    store.CurrentModel.setEncoding(TextEncoding::Utf8);
    ASSERT_NE(fileBytes(store.ModelFilePath), pristineBytes);

    ASSERT_TRUE(store.RestorePristineModel(files, &error)) << qPrintable(error);
    EXPECT_EQ(store.CurrentModel.lines(), store.PristineModel.lines());
    EXPECT_EQ(store.CurrentModel.encoding(), TextEncoding::Utf8);
    EXPECT_EQ(fileBytes(store.ModelFilePath), pristineBytes);
}

TEST_F(StoreTest, RestoringRunsWhateverTheLayoutAndRefusesAnEmptyPristineCopy)
{
    store.CurrentModel.setLines({QStringLiteral("kaputt")});
    QString error;
    ASSERT_TRUE(store.RestorePristineModel(files, &error)) << qPrintable(error);
    EXPECT_TRUE(store.LayoutIsSound());

    store.PristineModel.clear();
    const LineList before = store.CurrentModel;
    EXPECT_FALSE(store.RestorePristineModel(files, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(store.CurrentModel, before);
    EXPECT_EQ(fileBytes(store.ModelFilePath), pristineBytes);
}

TEST_F(StoreTest, AFailedRestoreLeavesCurrentModel)
{
    store.CurrentModel.replace(kSteinhauerLine, QStringLiteral("geändert,"));
    const LineList before = store.CurrentModel;
    store.ModelFilePath = folder.path();  // a folder cannot be replaced by the file
    QString error;
    EXPECT_FALSE(store.RestorePristineModel(files, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(store.CurrentModel, before);
}

}  // namespace
