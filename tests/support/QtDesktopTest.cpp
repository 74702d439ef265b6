#include "support/widgets/QtDesktop.h"
#include "support/QtAppEnvironment.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

using namespace quillon;

static ::testing::Environment* const kQtApp =
    ::testing::AddGlobalTestEnvironment(new quillon::testing::QtAppEnvironment);

namespace {

// Runs `act` on the modal window once it is showing, from inside its own event loop.
void WhenModal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        act(modal);
    });
}

TEST(QtDesktop, AdviceReturnsTheCheckBox) {
    for (bool tick : {true, false}) {
        QtDesktop desktop;
        QString caption, text, check;
        bool pictureShown = true;
        WhenModal([&](QWidget* w) {
            auto* advice = dynamic_cast<C_TAdviceWindow*>(w);
            ASSERT_NE(advice, nullptr);
            caption = advice->windowTitle();
            text = advice->TextLabel()->text();
            check = advice->CheckBox()->text();
            pictureShown = advice->PictureLabel()->isVisible();
            EXPECT_FALSE(advice->CheckBox()->isChecked());
            if (tick)
                advice->CheckBox()->click();
            advice->accept();
        });
        bool ticked = desktop.AdviceBox("Cards are large for this screen.", 3);
        EXPECT_EQ(ticked, tick);
        EXPECT_EQ(caption, "Information");
        EXPECT_EQ(text, "Cards are large for this screen.");
        EXPECT_EQ(check, "&Don't show this message box again");
        EXPECT_FALSE(pictureShown); // no picture library yet
    }
}

TEST(QtDesktop, AdviceClosedOtherwiseStillReportsTheTick) {
    QtDesktop desktop;
    WhenModal([](QWidget* w) {
        auto* advice = dynamic_cast<C_TAdviceWindow*>(w);
        ASSERT_NE(advice, nullptr);
        advice->CheckBox()->setChecked(true);
        advice->reject(); // the close box
    });
    EXPECT_TRUE(desktop.AdviceBox("text", 0));
}

TEST(QtDesktop, AdvicePictureComesFromItsPage) {
    QtDesktop desktop;
    int askedPage = -1;
    desktop.advicePicture = [&askedPage](int page) {
        askedPage = page;
        QPixmap p(32, 24);
        p.fill(Qt::red);
        return p;
    };
    QSize shown;
    WhenModal([&](QWidget* w) {
        auto* advice = dynamic_cast<C_TAdviceWindow*>(w);
        ASSERT_NE(advice, nullptr);
        EXPECT_TRUE(advice->PictureLabel()->isVisible());
        shown = advice->PictureLabel()->pixmap().size();
        advice->accept();
    });
    EXPECT_FALSE(desktop.AdviceBox("text", 7));
    EXPECT_EQ(askedPage, 7);
    EXPECT_EQ(shown, QSize(32, 24));
}

TEST(QtDesktop, MessageBoxesHaveTheirIconCaptionAndButtons) {
    struct Case {
        BoxKind kind;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton press;
        bool answer;
    } cases[] = {
        {BoxKind::Information, QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok, true},
        {BoxKind::Warning, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok, true},
        {BoxKind::Error, QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok, true},
        {BoxKind::Question, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes,
         true},
        {BoxKind::Question, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
         false},
        {BoxKind::Confirmation, QMessageBox::Question, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok,
         true},
        {BoxKind::Confirmation, QMessageBox::Question, QMessageBox::Ok | QMessageBox::Cancel,
         QMessageBox::Cancel, false},
    };
    for (const auto& c : cases) {
        QtDesktop desktop;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QString caption, text;
        Qt::TextFormat format = Qt::AutoText;
        WhenModal([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            ASSERT_NE(box, nullptr);
            icon = box->icon();
            buttons = box->standardButtons();
            caption = box->windowTitle();
            text = box->text();
            format = box->textFormat();
            box->button(c.press)->click();
        });
        bool answer = desktop.MessageBox(c.kind, "Quillon 2003", "Exit <b>Quillon</b> 2003?\nSure");
        EXPECT_EQ(answer, c.answer);
        EXPECT_EQ(icon, c.icon);
        EXPECT_EQ(buttons, c.buttons);
        EXPECT_EQ(caption, "Quillon 2003");
        EXPECT_EQ(text, "Exit <b>Quillon</b> 2003?\nSure");
        EXPECT_EQ(format, Qt::PlainText); // texts that hold names or paths are never read as markup
    }
}

TEST(QtDesktop, CarriageReturnsInTextsBreakTheLine) {
    // Lone CRs, CR LF pairs and LFs all become one line break each; nothing else changes.
    const struct {
        const char* text;
        const char* shown;
    } cases[] = {{"one\rtwo", "one\ntwo"}, {"one\r\ntwo\nthree", "one\ntwo\nthree"},
                 {"\r\r", "\n\n"},         {"end\r", "end\n"},
                 {"\r\n\r", "\n\n"},       {"plain", "plain"}};
    for (const auto& c : cases)
        EXPECT_EQ(WithLineFeeds(c.text), c.shown) << c.text;
    QtDesktop desktop;
    QString boxText, adviceText;
    WhenModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        boxText = box->text();
        box->accept();
    });
    desktop.MessageBox(BoxKind::Information, "Information", "Error loading the Deck: Dog\rPlease install");
    EXPECT_EQ(boxText, "Error loading the Deck: Dog\nPlease install");
    WhenModal([&](QWidget* w) {
        auto* advice = dynamic_cast<C_TAdviceWindow*>(w);
        ASSERT_NE(advice, nullptr);
        for (QLabel* label : advice->findChildren<QLabel*>())
            if (label->text().contains("first"))
                adviceText = label->text();
        advice->accept();
    });
    desktop.AdviceBox("first\rsecond", 0);
    EXPECT_EQ(adviceText, "first\nsecond");
}

TEST(QtDesktop, LinksGoToTheHandler) {
    QtDesktop desktop;
    std::vector<QUrl> opened;
    bool accept = true;
    desktop.openUrl = [&](const QUrl& url) {
        opened.push_back(url);
        return accept;
    };
    EXPECT_TRUE(desktop.OpenUrl("http://www.example.com/page"));
    EXPECT_TRUE(desktop.OpenUrl("mailto:someone@example.com"));
    accept = false;
    EXPECT_FALSE(desktop.OpenUrl("https://example.com/a b"));
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_EQ(opened[0].scheme(), "http");
    EXPECT_EQ(opened[0].host(), "www.example.com");
    EXPECT_EQ(opened[1].scheme(), "mailto");
    EXPECT_EQ(opened[1].path(), "someone@example.com");
    EXPECT_EQ(opened[2].path(), "/a b");
    // A text that is no link is refused before it reaches the handler.
    EXPECT_FALSE(desktop.OpenUrl("http://exa mple.com:99999"));
    EXPECT_EQ(opened.size(), 3u);
}

} // namespace
