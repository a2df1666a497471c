#include "modelstore.h"
#include "treetestsupport.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QTreeWidgetItem>

namespace {

// The name of a model row: house rows start with it, building rows carry their
// row number first.
QString rowName(const QString& row)
{
    const QStringList fields = row.split(u',');
    if (fields.size() < 2)
        return QString();
    return fields[1].trimmed() == QLatin1String("{") ? fields[0].trimmed() : fields[1].trimmed();
}

}  // namespace

// Every element of the tree must reach its own row of the embedded model, or
// selecting it would show another element's values.
TEST(TreeCaptions, EveryElementFindsItsOwnRowInTheEmbeddedModel)
{
    BuiltTree built;
    LineList model;
    QString error;
    ASSERT_TRUE(model.readResource(QStringLiteral("RT_RCDATA"), QStringLiteral("NewModell"), &error))
        << error.toStdString();
    QSet<int> rows;
    const QList<QTreeWidgetItem*> nodes = built.tree.nodesInOrder();
    for (int position = 0; position < nodes.size(); ++position) {
        const int code = built.NodeIndexList.at(position).toInt();
        if (code == 0)
            continue;
        const QString caption = nodes[position]->text(0);
        SCOPED_TRACE(caption.toStdString());
        const int row = FindElementRow(model, caption);
        ASSERT_LT(row, model.count());
        const QString name = rowName(model.at(row));
        if (code >= 100) {
            EXPECT_EQ(ElementKindOf(row), ElementKind::House);
            EXPECT_EQ(name, caption);
        } else {
            EXPECT_EQ(ElementKindOf(row), ElementKind::Building);
            // The military buildings are named after their fort.
            EXPECT_TRUE(name == caption || name == caption + QStringLiteral(" Fort")) << name.toStdString();
        }
        EXPECT_FALSE(rows.contains(row)) << "row " << row << " twice";
        rows.insert(row);
    }
    EXPECT_EQ(rows.size(), 125);
    EXPECT_TRUE(model.at(FindElementRow(model, QStringLiteral("Brücke"))).startsWith(QStringLiteral("123,Brücke,")));
}
