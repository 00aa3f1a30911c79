#include "library/library_test_support.h"

#include <gtest/gtest.h>

using namespace korvo;
using namespace korvo::test;

namespace {

class PolyLib : public ::testing::Test {
protected:
    void SetUp() override { Populate(FLibrary, { "P1", "P2", "P3" }); }

    // Three pages with entries named after their page, interleaved in the entry list.
    static void Populate(TPolyLib& library, const QList<QByteArray>& pages)
    {
        for (const QByteArray& page : pages)
            library.AddPage(page);
        const std::pair<std::int32_t, const char*> entries[]
            = { { 0, "a1" }, { 1, "a2" }, { 2, "a3" }, { 1, "b2" }, { 0, "b1" }, { 2, "b3" } };
        for (const auto& [page, name] : entries)
            library.AddEntry(TPolygon(), page, name);
    }

    // Each entry as name:page, in entry order.
    static QByteArrayList Listing(const TPolyLib& library)
    {
        QByteArrayList result;
        for (const auto& entry : library.Entries())
            result.append(entry->FName + ':' + QByteArray::number(entry->FPage));
        return result;
    }
    QByteArrayList Listing() const { return Listing(FLibrary); }

    const TLibShape* Entry(const char* name) const
    {
        for (const auto& entry : FLibrary.Entries()) {
            if (entry->FName == name)
                return entry.get();
        }
        return nullptr;
    }

    TRecordingReporter FReporter;
    TPolyLib FLibrary { FReporter };
};

TEST_F(PolyLib, DeletePageTakesItsEntriesAndRenumbersLaterPages)
{
    FLibrary.DeletePage(1);
    EXPECT_EQ(FLibrary.Pages(), (QList<QByteArray> { "P1", "P3" }));
    EXPECT_EQ(Listing(), (QByteArrayList { "a1:0", "a3:1", "b1:0", "b3:1" }));

    for (const std::int32_t outside : { -1, 2 })
        FLibrary.DeletePage(outside);
    EXPECT_EQ(FLibrary.Pages(), (QList<QByteArray> { "P1", "P3" }));
    EXPECT_EQ(Listing().size(), 4);
}

// Pages are told apart by place: two pages of the same name, in any letter case, keep their own entries.
TEST_F(PolyLib, ReorderPagesMovesEntriesWithTheirPages)
{
    struct Case {
        const char* name;
        QList<QByteArray> pages;
        QList<int> newOrder;
        QList<QByteArray> reordered;
    };
    const Case cases[] = {
        { "three pages", { "P1", "P2", "P3" }, { 2, 0, 1 }, { "P3", "P1", "P2" } },
        { "same names", { "Optics", "optics", "OPTICS" }, { 2, 0, 1 }, { "OPTICS", "Optics", "optics" } },
    };
    for (const Case& c : cases) {
        TPolyLib library(FReporter);
        Populate(library, c.pages);
        EXPECT_TRUE(library.ReorderPages(c.newOrder)) << c.name;
        EXPECT_EQ(library.Pages(), c.reordered) << c.name;
        EXPECT_EQ(Listing(library), (QByteArrayList { "a1:1", "a2:2", "a3:0", "b2:2", "b1:1", "b3:0" })) << c.name;
    }
    for (const QList<int>& refused : { QList<int> { 0, 1 }, QList<int> { 0, 1, 1 }, QList<int> { 0, 1, 3 } }) {
        EXPECT_FALSE(FLibrary.ReorderPages(refused));
        EXPECT_EQ(FLibrary.Pages(), (QList<QByteArray> { "P1", "P2", "P3" }));
    }
}

TEST_F(PolyLib, ExchangeEntriesSwapsTwoDifferentEntriesOfTheLibrary)
{
    const TLibShape* a1 = Entry("a1");
    const TLibShape* b2 = Entry("b2");
    const QByteArrayList before = Listing();

    FLibrary.ExchangeEntries(a1, a1);
    EXPECT_EQ(Listing(), before);
    const TLibShape stranger;
    FLibrary.ExchangeEntries(a1, &stranger);
    FLibrary.ExchangeEntries(&stranger, b2);
    EXPECT_EQ(Listing(), before);

    FLibrary.ExchangeEntries(a1, b2);
    EXPECT_EQ(Listing(), (QByteArrayList { "b2:1", "a2:1", "a3:2", "a1:0", "b1:0", "b3:2" }));
}

TEST_F(PolyLib, DeleteEntryIgnoresEntriesItDoesNotHold)
{
    const TLibShape stranger;
    FLibrary.DeleteEntry(&stranger);
    EXPECT_EQ(Listing().size(), 6);
    FLibrary.DeleteEntry(Entry("a2"));
    EXPECT_EQ(Listing(), (QByteArrayList { "a1:0", "a3:2", "b2:1", "b1:0", "b3:2" }));
}

TEST_F(PolyLib, PageEntriesKeepTheEntryOrder)
{
    const auto names = [this](std::int32_t page) {
        QByteArrayList result;
        for (const TLibShape* entry : FLibrary.PageEntries(page))
            result.append(entry->FName);
        return result;
    };
    EXPECT_EQ(names(0), (QByteArrayList { "a1", "b1" }));
    EXPECT_EQ(names(2), (QByteArrayList { "a3", "b3" }));
    EXPECT_TRUE(names(3).isEmpty());
    EXPECT_TRUE(names(-1).isEmpty());
}

TEST_F(PolyLib, PageNamesOutsideTheListAreEmptyAndRenamesIgnored)
{
    for (const std::int32_t outside : { -1, 3, INT32_MAX }) {
        EXPECT_TRUE(FLibrary.GetPageName(outside).isEmpty()) << outside;
        FLibrary.RenamePage(outside, "X");
    }
    FLibrary.RenamePage(2, "Optics");
    EXPECT_EQ(FLibrary.Pages(), (QList<QByteArray> { "P1", "P2", "Optics" }));
    EXPECT_EQ(FLibrary.GetPageName(2), QByteArray("Optics"));
}

} // namespace
