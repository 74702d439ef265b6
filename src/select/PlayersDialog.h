#pragma once
// frmPlayers, the players dialog: the current player is picked from the player list, and players
// are added, renamed (with their statistics files) and deleted (with their statistics). frmPlayers2
// is its name dialog. Closing the dialog in any way keeps the list's changes.

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QAction;

namespace quillon {

class ImageResources;
class Session;

// The name dialog: "&Player's name:", an edit box, OK and Cancel.
class TfrmPlayers2 : public QDialog {
public:
    TfrmPlayers2(const std::string& caption, const std::string& name, QWidget* parent);
    std::string Name() const;
    QLineEdit* Edit() const { return edit_; }

private:
    QLineEdit* edit_ = nullptr;
};

class TfrmPlayers : public QDialog {
public:
    // `images` gives the toolbar pictures (may be null: text only).
    TfrmPlayers(Session& s, ImageResources* images, QWidget* parent);

    Session& s;
    // What the window does around a save (its title) and after a change of player (repaint, the
    // open-game dialog). Set by the main window.
    std::function<void()> onSaved;
    std::function<void()> onPlayerChanged;
    // Asks for a player's name; `caption` and the starting name given. Returns false on Cancel.
    // By default the name dialog; tests answer directly.
    std::function<bool(const std::string& caption, std::string& name)> AskName;

    // Fills the list from the configuration file and selects the current player.
    void Open();
    void AddPlayer();
    void RenamePlayer();
    void DeletePlayer();
    void SelectPlayer();
    // The name check of a stored list: false (after the message) starts the rename of the
    // offending name.
    bool CheckNames();

    QListWidget* List() const { return lstPlayers_; }
    QPushButton* SelectButton() const { return btnSelect_; }
    QAction* NewButton() const { return tbNew_; }
    QAction* EditButton() const { return tbEdit_; }
    QAction* DeleteButton() const { return tbDelete_; }
    QLabel* WorkingLabel() const { return lblWorking_; }
    QLabel* ProgressLabel() const { return lblProgress_; }
    std::vector<std::string> Names() const { return names_; }

    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::string Selected() const;
    std::string CurrentPlayer() const;
    void ShowNames(const std::string& select);
    void UpdateButtons();
    void Inform(const std::string& text);
    // The name dialog until it gives a name that may be used; false on Cancel.
    bool AskValidName(bool rename, std::string& name);
    void Rename(const std::string& oldName);
    void Save(const std::string& player);

    std::vector<std::string> names_;
    std::string startingPlayer_;
    bool changed_ = false;
    QListWidget* lstPlayers_ = nullptr;
    QPushButton* btnSelect_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
    QAction* tbNew_ = nullptr;
    QAction* tbEdit_ = nullptr;
    QAction* tbDelete_ = nullptr;
    QLabel* lblWorking_ = nullptr;
    QLabel* lblProgress_ = nullptr;
};

// The players command of the main window: the dialog shown modally. `images` may be null. At the
// first activation (`onlyForBadNames`) the stored names are checked first and the dialog shows
// only when one of them cannot be used.
void ShowPlayersDialog(Session& s, ImageResources* images, QWidget* parent,
                       const std::function<void()>& onSaved, const std::function<void()>& onPlayerChanged,
                       bool onlyForBadNames = false);

} // namespace quillon
