#include "support/QtAppEnvironment.h"
#include "support/widgets/C_AdvancedForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>

#include <gtest/gtest.h>

using namespace quillon;

static ::testing::Environment* const kQtApp =
    ::testing::AddGlobalTestEnvironment(new quillon::testing::QtAppEnvironment);

namespace {

QFont Family(const char* name) {
    QFont f;
    f.setFamily(QString::fromLatin1(name));
    return f;
}

// A window designed the way the program's windows are: its own font and each control's font set
// at design time, then the base class's fallback once the controls exist.
class DesignedForm : public C_TAdvancedForm {
public:
    explicit DesignedForm(bool finish = true) {
        setFont(Family("Tahoma"));
        auto add = [this](QWidget* w, const char* font, const char* name) {
            w->setParent(this);
            w->setObjectName(QString::fromLatin1(name));
            w->setFont(Family(font));
        };
        add(new QLabel("Tahoma label"), "Tahoma", "lblTahoma");
        add(new QLabel("Arial label"), "Arial", "lblArial");
        add(new QLabel("lower-case name"), "tahoma", "lblLowerCase");
        add(new QGroupBox("Group"), "Tahoma", "grpBox");
        add(new QPushButton("OK"), "Tahoma", "btnOk");
        add(new QFrame, "Tahoma", "pnlPanel");
        add(new QTableWidget(2, 2), "Tahoma", "grdTable");
        add(new QComboBox, "Tahoma", "cmbCombo");
        add(new QCheckBox("check"), "Tahoma", "chkCheck");
        add(new QLineEdit, "Tahoma", "edtEdit");
        add(new QListWidget, "Tahoma", "lstList");
        auto* tabs = new QTabWidget;
        tabs->addTab(new QWidget, "Page");
        add(tabs, "Tahoma", "tabTahoma");
        auto* otherTabs = new QTabWidget;
        otherTabs->addTab(new QWidget, "Page");
        add(otherTabs, "Arial", "tabArial");
        // A control inside a panel belongs to the window as well.
        auto* inner = new QLabel("inner", findChild<QFrame*>("pnlPanel"));
        inner->setObjectName("lblInner");
        inner->setFont(Family("Tahoma"));
        if (finish)
            FinishDesign();
    }
    QString FontOf(const char* name) const {
        auto* w = findChild<QWidget*>(QString::fromLatin1(name));
        return w ? w->font().family() : QStringLiteral("<missing>");
    }
};

class FontFallbackTest : public ::testing::Test {
protected:
    void SetUp() override { PreferredFont::ResetCache(); }
    void TearDown() override {
        PreferredFont::SetFontLookup(nullptr);
        PreferredFont::ResetCache();
    }
    static void Installed(QStringList families) {
        PreferredFont::SetFontLookup([families] { return families; });
    }
};

TEST_F(FontFallbackTest, WithoutThePreferredFont) {
    Installed({"DejaVu Sans", "Arial", "Tahoma Bold"});
    for (bool finish : {true, false}) {
        DesignedForm form(finish);
        if (!finish)
            form.ensurePolished(); // a window that forgets to finish still falls back before showing
        struct Case {
            const char* control;
            const char* family;
        } cases[] = {
            {"lblTahoma", "MS Sans Serif"}, {"lblArial", "Arial"},
            {"lblLowerCase", "tahoma"}, // only the exact name is replaced
            {"grpBox", "MS Sans Serif"},    {"btnOk", "MS Sans Serif"},
            {"pnlPanel", "MS Sans Serif"},  {"grdTable", "MS Sans Serif"},
            {"cmbCombo", "MS Sans Serif"},  {"lblInner", "MS Sans Serif"},
            {"chkCheck", "Tahoma"},         {"edtEdit", "Tahoma"}, // other controls keep their font
            {"lstList", "Tahoma"},          {"tabTahoma", "MS Sans Serif"},
            {"tabArial", "Arial"},
        };
        EXPECT_EQ(form.font().family(), "MS Sans Serif");
        for (const auto& c : cases)
            EXPECT_EQ(form.FontOf(c.control), c.family) << c.control << (finish ? "" : " (at polish)");
        EXPECT_EQ(form.findChild<QTabWidget*>("tabTahoma")->tabBar()->font().family(), "MS Sans Serif");
        EXPECT_EQ(form.findChild<QTabWidget*>("tabArial")->tabBar()->font().family(), "Arial");
    }
    EXPECT_EQ(PreferredFont::Cached(), PreferredFont::State::Absent);
}

TEST_F(FontFallbackTest, WithThePreferredFontNothingChanges) {
    for (const char* installed : {"Tahoma", "TAHOMA", "tahoma"}) {
        PreferredFont::ResetCache();
        Installed({"DejaVu Sans", installed});
        DesignedForm form;
        EXPECT_EQ(form.font().family(), "Tahoma") << installed;
        for (const char* name :
             {"lblTahoma", "grpBox", "btnOk", "pnlPanel", "grdTable", "cmbCombo", "tabTahoma"})
            EXPECT_EQ(form.FontOf(name), "Tahoma") << name;
        EXPECT_EQ(form.FontOf("lblArial"), "Arial");
        EXPECT_EQ(PreferredFont::Cached(), PreferredFont::State::Present);
    }
}

TEST_F(FontFallbackTest, FontListIsReadOncePerRun) {
    int calls = 0;
    PreferredFont::SetFontLookup([&calls] {
        ++calls;
        return QStringList{"Arial"};
    });
    EXPECT_EQ(PreferredFont::Cached(), PreferredFont::State::Untested);
    {
        DesignedForm first;
        DesignedForm second;
        C_TAdvancedForm third;
        third.ensurePolished();
    }
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(PreferredFont::Lookups(), 1);
    // The answer stays even when the fonts change during the run.
    PreferredFont::SetFontLookup([&calls] {
        ++calls;
        return QStringList{"Tahoma"};
    });
    DesignedForm later;
    EXPECT_EQ(later.FontOf("lblTahoma"), "MS Sans Serif");
    EXPECT_EQ(calls, 1);
}

TEST_F(FontFallbackTest, AnyWindowAndNoWindow) {
    Installed({});
    EXPECT_NO_THROW(ApplyFontFallback(nullptr));
    QWidget plain;
    auto* label = new QLabel("x", &plain);
    label->setFont(Family("Tahoma"));
    ApplyFontFallback(&plain);
    EXPECT_EQ(label->font().family(), "MS Sans Serif");
    EXPECT_EQ(plain.font().family(), "MS Sans Serif");
}

} // namespace
