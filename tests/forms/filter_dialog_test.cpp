#include "forms/filter_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <filesystem>

#include "main_form_logic_fixture.h"
#include "support/english_spoken.h"
#include "support/test_data.h"
#include "support/widget_lookup.h"

namespace tubeline {
namespace {

using testing::ScratchFolder;
using testing::WriteBytes;

class FilterDialogTest : public testing::MainFormLogicFixture {
  protected:
    FilterDialogTest() : dialog_(logic_, messages_, {folder_.Path()}) {
        for (const char* material : {"Pb.ele", "Al.ele", "Water.mix"}) {
            std::filesystem::copy_file(testing::DataFolder() / material, folder_ / material);
        }
        logic_.ChooseModel(SpectrumModel::Tucker);
    }

    template <class Control>
    Control& Find(const char* name) {
        return testing::Find<Control>(dialog_, name);
    }
    void ClickFile(const QString& name) {
        FileList& files = Find<FileList>("materialList");
        const auto found = files.findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        QTest::mouseClick(files.viewport(), Qt::LeftButton, {},
                          files.visualItemRect(found[0]).center());
    }
    void TypeThicknessAndOk(const QString& thickness) {
        QTest::keyClicks(&Find<QLineEdit>("thicknessField"), thickness);
        Find<QPushButton>("okButton").click();
    }
    std::vector<std::string> ListedNames() const {
        std::vector<std::string> names;
        for (const FilterListLine& line : logic_.Controls().FilterList) {
            names.push_back(line.Name + " " + line.Thickness);
        }
        return names;
    }

    FilterDialog dialog_;
};

TEST_F(FilterDialogTest, ListsTheMaterialFilesAndPreviewsTheName) {
    dialog_.Open();
    FileList& files = Find<FileList>("materialList");
    ASSERT_EQ(files.count(), 3);
    EXPECT_EQ(files.item(0)->text(), "Al.ele");
    ClickFile(QStringLiteral("Water.mix"));
    EXPECT_EQ(Find<QLabel>("materialName").text(), "水");
}

TEST_F(FilterDialogTest, TheUsersMaterialFilesComeBeforeTheInstalledOnes) {
    // The fixture's folder plays the installed one; the user has a lead file of their own.
    ScratchFolder user;
    const std::string shippedLead = testing::ReadBytes(testing::DataFolder() / "Pb.ele");
    WriteBytes(user / "Pb.ele", "Pb (own)" + shippedLead.substr(shippedLead.find('\n')));
    std::filesystem::copy_file(testing::DataFolder() / "PMMA.mix", user / "PMMA.mix");
    FilterDialog dialog(logic_, messages_, {user.Path(), folder_.Path()});
    dialog.Open();
    FileList& files = testing::Find<FileList>(dialog, "materialList");
    std::vector<std::string> listed;
    for (int row = 0; row < files.count(); ++row) {
        listed.push_back(files.item(row)->text().toStdString());
    }
    EXPECT_EQ(listed, (std::vector<std::string>{"Al.ele", "PMMA.mix", "Pb.ele", "Water.mix"}));

    EXPECT_EQ(files.PathOf("Pb.ele"), user / "Pb.ele");
    EXPECT_EQ(files.PathOf("Water.mix"), folder_ / "Water.mix");
    files.setCurrentRow(2);
    QTest::keyClicks(&testing::Find<QLineEdit>(dialog, "thicknessField"), QStringLiteral("1"));
    testing::Find<QPushButton>(dialog, "okButton").click();
    EXPECT_EQ(ListedNames(), (std::vector<std::string>{"Pb (own) 1mm"}));
    EXPECT_EQ(testing::Find<QLabel>(dialog, "materialName").text(), "Pb (own)");
}

TEST_F(FilterDialogTest, MissingChoicesAreWarnedAndChangeNothing) {
    dialog_.Open();
    // The list makes its first row current when it takes the focus, without choosing it.
    Find<FileList>("materialList").setCurrentRow(0, QItemSelectionModel::NoUpdate);
    QTest::keyClicks(&Find<QLineEdit>("thicknessField"), QStringLiteral("1"));
    Find<QPushButton>("okButton").click();
    Find<QLineEdit>("thicknessField").clear();
    ClickFile(QStringLiteral("Pb.ele"));
    Find<QPushButton>("okButton").click();
    EXPECT_EQ(messages_.Warnings, (std::vector<std::string>{"フィルター材質が未選択です。",
                                                            "フィルターの厚さを入力して下さい。"}));
    EXPECT_EQ(state_.Filters.FilterCount, 0);
    EXPECT_TRUE(dialog_.isVisible());
}

TEST_F(FilterDialogTest, ThreeFiltersFillTheSlotsAndDisableSetting) {
    dialog_.Open();
    ClickFile(QStringLiteral("Pb.ele"));
    TypeThicknessAndOk(QStringLiteral("0.3"));
    EXPECT_FALSE(dialog_.isVisible());
    EXPECT_EQ(state_.Filters.FilterCount, 1);
    EXPECT_GT(state_.Filters.MuFilter[1][120], 0);

    // Reopening empties the thickness and keeps the chosen file, highlighted and named.
    dialog_.Open();
    EXPECT_EQ(Find<FileList>("materialList").FileName(), "Pb.ele");
    EXPECT_EQ(Find<QLabel>("materialName").text(), "Pb");
    EXPECT_TRUE(Find<QLineEdit>("thicknessField").text().isEmpty());
    TypeThicknessAndOk(QStringLiteral("1"));
    EXPECT_EQ(state_.Filters.FilterName[2], "Pb");

    dialog_.Open();
    ClickFile(QStringLiteral("Al.ele"));
    TypeThicknessAndOk(QStringLiteral("0"));
    EXPECT_EQ(ListedNames(), (std::vector<std::string>{"Pb 0.3mm", "Pb 1mm", "Al 0mm"}));
    EXPECT_FALSE(logic_.States().SetFilter);

    // The refusal of a fourth filter asks for "解除" first: after it a filter can be set again.
    logic_.ReleaseFilters();
    EXPECT_EQ(state_.Filters.FilterCount, 0);
    EXPECT_TRUE(ListedNames().empty());
    EXPECT_TRUE(logic_.States().SetFilter);
    EXPECT_EQ(state_.Filters.MuFilter[1][120], 0);
    EXPECT_EQ(state_.Filters.FilterName[1], "Pb");
}

TEST_F(FilterDialogTest, ReopenedTheArrowsMoveOnFromTheMaterialShown) {
    dialog_.Open();
    ClickFile(QStringLiteral("Al.ele"));
    TypeThicknessAndOk(QStringLiteral("1"));
    dialog_.Open();
    QApplication::setActiveWindow(&dialog_);
    FileList& files = Find<FileList>("materialList");
    EXPECT_TRUE(files.hasFocus()) << "the arrows go to the list at once";
    QTest::keyClick(&files, Qt::Key_Down);
    EXPECT_EQ(files.FileName(), "Pb.ele");
    EXPECT_EQ(Find<QLabel>("materialName").text(), "Pb");
    TypeThicknessAndOk(QStringLiteral("0.1"));
    EXPECT_EQ(ListedNames(), (std::vector<std::string>{"Al 1mm", "Pb 0.1mm"}));

    // A highlighted file that can no longer be read is neither highlighted nor named.
    std::filesystem::remove(folder_ / "Pb.ele");
    dialog_.Open();
    EXPECT_EQ(files.FileName(), "");
    EXPECT_TRUE(Find<QLabel>("materialName").text().isEmpty());
    TypeThicknessAndOk(QStringLiteral("1"));
    EXPECT_EQ(messages_.Warnings, std::vector<std::string>{"フィルター材質が未選択です。"});
}

TEST_F(FilterDialogTest, ShippedMaterialsAreNamedInTheLanguage) {
    {
        const testing::EnglishSpoken inEnglish;
        dialog_.Open();
        ClickFile(QStringLiteral("Water.mix"));
        EXPECT_EQ(Find<QLabel>("materialName").text(), "Water");
        TypeThicknessAndOk(QStringLiteral("1"));
        EXPECT_EQ(ListedNames(), std::vector<std::string>{"Water 1mm"});
    }
    // What is written keeps the file's own name.
    EXPECT_EQ(state_.Filters.FilterName[1], "水");
}

TEST_F(FilterDialogTest, ARefusedFileAddsNothingAndSaysWhy) {
    WriteBytes(folder_ / "Bad.ele", "Bad\n2.5\n1\n0.001,1,1,1,0,0\n");
    dialog_.Open();
    ClickFile(QStringLiteral("Bad.ele"));
    EXPECT_EQ(Find<QLabel>("materialName").text(), "Bad");
    TypeThicknessAndOk(QStringLiteral("1"));
    ASSERT_EQ(messages_.Warnings.size(), 1u);
    EXPECT_NE(messages_.Warnings[0].find("Bad.ele"), std::string::npos);
    EXPECT_EQ(state_.Filters.FilterCount, 0);
    EXPECT_TRUE(ListedNames().empty());
    EXPECT_TRUE(dialog_.isVisible());
}

TEST_F(FilterDialogTest, AFileDeletedAfterTheClickIsReported) {
    dialog_.Open();
    ClickFile(QStringLiteral("Water.mix"));
    std::filesystem::remove(folder_ / "Water.mix");
    TypeThicknessAndOk(QStringLiteral("10"));
    ASSERT_EQ(messages_.Warnings.size(), 1u);
    EXPECT_NE(messages_.Warnings[0].find("を読めません"), std::string::npos);
    EXPECT_EQ(state_.Filters.FilterCount, 0);
}

TEST_F(FilterDialogTest, TheKeyboardAloneAddsAFilter) {
    dialog_.Open();
    QApplication::setActiveWindow(&dialog_);
    FileList& files = Find<FileList>("materialList");
    QLineEdit& thickness = Find<QLineEdit>("thicknessField");
    // Arrows choose and preview a material, Enter moves on to the thickness.
    files.setFocus();
    QTest::keyClick(&files, Qt::Key_Down);
    EXPECT_EQ(files.FileName(), "Pb.ele");
    EXPECT_EQ(Find<QLabel>("materialName").text(), "Pb");
    QTest::keyClick(&files, Qt::Key_Return);
    EXPECT_TRUE(thickness.hasFocus());
    // Enter in an empty thickness does nothing; once typed it moves to OK without pressing it.
    QTest::keyClick(&thickness, Qt::Key_Return);
    EXPECT_TRUE(thickness.hasFocus());
    thickness.insert(QStringLiteral("２"));  // as an input method commits it
    QTest::keyClick(&thickness, Qt::Key_Return);
    EXPECT_TRUE(Find<QPushButton>("okButton").hasFocus());
    EXPECT_EQ(state_.Filters.FilterCount, 0) << "Enter does not press OK";
    // The second Enter presses it.
    QTest::keyClick(&Find<QPushButton>("okButton"), Qt::Key_Return);
    EXPECT_EQ(ListedNames(), (std::vector<std::string>{"Pb 2mm"}));
    EXPECT_FALSE(dialog_.isVisible());

    dialog_.Open();
    QTest::keyClick(&thickness, Qt::Key_Escape);
    EXPECT_FALSE(dialog_.isVisible());
    EXPECT_EQ(state_.Filters.FilterCount, 1);
}

}  // namespace
}  // namespace tubeline
