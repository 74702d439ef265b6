#pragma once
// frmCustomize_Freeware: the one window where the player changes the look and the sounds: the
// time and score panels, the quit-game confirmation, the card back, the table background with its
// fading, and the master sound switch. It edits the loaded preferences in the parameter string
// while it is open, writes the configuration file only on "OK", and puts the parameter string back
// on "Cancel" or the close box. Closing it either way rebuilds the table picture with the back and
// background then in force.
#include "support/widgets/C_AdvancedForm.h"

#include <QIcon>
#include <QImage>

#include <array>
#include <string>

class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace quillon {

class ImageResources;
class Session;
class TfrmMain;

// The help context of the dialog: its help page is help/<context>.html.
constexpr int kCustomizeHelpContext = 1019;

class TfrmCustomize_Freeware : public C_TAdvancedForm {
public:
    explicit TfrmCustomize_Freeware(TfrmMain& main);

    // The tree node (0-based, counted over every node from the top, groups included) whose
    // number is `number`; nullptr when no node carries it.
    QTreeWidgetItem* NodeWithNumber(QTreeWidget* tree, int number) const;
    QTreeWidgetItem* NodeAtIndex(QTreeWidget* tree, int index) const;
    // The number the node selects (0 for a group); the selected node's, -1 when none is selected.
    static int NodeNumber(const QTreeWidgetItem* node);
    int SelectedNumber(QTreeWidget* tree) const;

    QTreeWidget* trvCardBack = nullptr;
    QTreeWidget* trvBackGround = nullptr;
    QTabWidget* TabbedNotebook1 = nullptr;
    QLabel* lblDecks = nullptr;
    QLabel* lblBackGround = nullptr;
    QCheckBox* chkShowTime = nullptr;
    QCheckBox* chkShowScore = nullptr;
    QCheckBox* chkConfirmQuitGame = nullptr;
    QCheckBox* chkFadeBackground = nullptr;
    QCheckBox* chkSoundsEnabled = nullptr;
    QCheckBox* chkTBLargeIcons = nullptr;
    QCheckBox* chkTBFlatBtn = nullptr;
    QCheckBox* chkWinningAnimation = nullptr;
    QCheckBox* chkConfirmOnExit = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnAnnulla = nullptr;
    QPushButton* btnAiuto = nullptr;

    // The samples as painted: the background page's and the deck page's (background with the
    // card back on it).
    const QImage& BackgroundSample() const { return sampleBackground_; }
    const QImage& DeckSample() const { return sampleDeck_; }
    // Where the card back lies on the deck sample.
    static constexpr int kBackLeft = 40, kBackTop = 22;

    void OK();
    void Cancel();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void done(int result) override;

private:
    void BuildGeneralPage();
    void BuildDecksPage();
    void BuildBackgroundsPage();
    void BuildSoundsPage();
    void FillTrees();
    void Showing();
    void CardBackChanged();
    void BackgroundChanged();
    void FadeClicked();
    void PageChanged();
    void PaintColour(QImage& sample, long long colour);
    void PaintBackgroundSample(int number);
    void ShowSamples();
    void UpdateTreeIcons();
    long long CustomColour() const { return customColour_; }
    // Positions 135, 21, 43, 47, 27 (and 28) from the dialog, by the rules of "OK".
    void WriteChoices(bool customColourToPosition28);
    void Closing();

    TfrmMain& main_;
    Session& s;
    ImageResources& images_;
    QLabel* imgSfondoEsempio_ = nullptr;
    QLabel* imgSfondoEsempio2_ = nullptr;
    QImage sampleBackground_, sampleDeck_;
    std::array<QIcon, 5> treeIcons_;
    std::array<std::string, 9> saved_;
    long long customColour_ = -2147483633LL;
    bool cancelled_ = true;
    bool closed_ = false;
};

// The Customize command: the hourglass, the dialog shown modally, then freed.
void ShowCustomizeDialog(TfrmMain& main);

} // namespace quillon
