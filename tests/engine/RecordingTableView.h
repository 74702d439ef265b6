#pragma once
// A table view that draws nothing and writes down every request as one line of text, so tests
// can check what the engine asked of the screen and in which order. Message boxes answer with a
// preset value.

#include "engine/TableView.h"

#include <algorithm>
#include <string>
#include <vector>

namespace quillon::test {

class RecordingTableView : public TableView {
public:
    std::vector<std::string> log;
    std::vector<MemoryResultPage> memoryPages;
    bool boxAnswer = true;

    // Lines that start with `prefix`.
    std::vector<std::string> Lines(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const auto& l : log)
            if (l.rfind(prefix, 0) == 0)
                out.push_back(l);
        return out;
    }
    int Count(const std::string& prefix) const { return static_cast<int>(Lines(prefix).size()); }
    // Position of the first line equal to `line`, or -1.
    int Index(const std::string& line) const {
        auto it = std::find(log.begin(), log.end(), line);
        return it == log.end() ? -1 : static_cast<int>(it - log.begin());
    }
    // The sounds that played with their switch on.
    std::vector<std::string> Sounds() const {
        std::vector<std::string> out;
        for (const auto& l : Lines("Sound "))
            if (l.size() > 3 && l.substr(l.size() - 3) == " on")
                out.push_back(l.substr(6, l.size() - 9));
        return out;
    }

    void BuildDragImage(int card) override { Add("Build " + std::to_string(card)); }
    bool MoveDragImage(int x, int y, bool commit, bool blend) override {
        Add("Move " + xy(x, y) + (commit ? " commit" : "") + (blend ? " blend" : ""));
        return true;
    }
    void CommitDragImage(int x, int y) override { Add("Commit " + xy(x, y)); }
    void Repaint(const TableRect& r) override {
        Add("Repaint " + xy(r.left, r.top) + " " + xy(r.right, r.bottom));
    }
    void DropDragImage(int x, int y) override { Add("Drop " + xy(x, y)); }
    void LiftCard(int card) override { Add("Lift " + std::to_string(card)); }
    void RedrawPile(std::string_view pile, Surface where) override {
        Add("Redraw " + std::string(pile) + Where(where));
    }
    void DrawCard(int card, int x, int y, Surface where, int pile) override {
        Add("Card " + std::to_string(card) + " " + xy(x, y) + Where(where));
    }
    void InvertCard(int x, int y) override { Add("Invert " + xy(x, y)); }
    void DrawEmptyStockMarker() override { Add("EmptyStock"); }
    void DrawStockImage(const std::string& image, int pile) override {
        Add("StockImage " + image + " " + std::to_string(pile));
    }
    void DrawFoundationHighlight(int f) override { Add("Highlight " + std::to_string(f)); }
    void ShowMark(const std::string& kind, const std::vector<int>& items) override {
        std::string line = "Mark " + kind;
        for (int i : items)
            line += " " + std::to_string(i);
        Add(line);
    }
    void DrawJokerLabel(int f, const std::string& text, const std::string& suit) override {
        Add("Joker " + std::to_string(f) + " [" + text + "] " + suit);
    }
    void DrawPartialScore(int v) override { Add("Partial " + std::to_string(v)); }
    void RedrawTable() override { Add("RedrawTable"); }
    void PlaySound(const std::string& name, bool enabled) override {
        Add("Sound " + name + (enabled ? " on" : " off"));
    }
    void PauseBusy(int ms) override { Add("Busy " + std::to_string(ms)); }
    void PauseWithMessages(int ms) override { Add("PauseMsg " + std::to_string(ms)); }
    void PauseSmooth(int ms) override { Add("Smooth " + std::to_string(ms)); }
    void Beep() override { Add("Beep"); }
    bool MessageBox(BoxKind, const std::string&, const std::string& text) override {
        Add("Box " + text);
        return boxAnswer;
    }
    void ShowScore(const std::string& text) override { Add("Score " + text); }
    void UpdateClockLabel() override { Add("Clock"); }
    void HideHintPanels() override { Add("HideHints"); }
    void SetBusyCursor(bool busy) override { Add(busy ? "Cursor busy" : "Cursor normal"); }
    void SetGameMenusEnabled(bool on) override { Add(on ? "Menus on" : "Menus off"); }
    void SetInputBlocked(bool blocked) override { Add(blocked ? "Input blocked" : "Input free"); }
    void ShowMemoryResult(const MemoryResultPage& page) override {
        memoryPages.push_back(page);
        Add("Memory " + page.page);
    }
    void OpenGameChooser() override { Add("OpenGame"); }
    void CloseMainWindow() override { Add("Close"); }

private:
    void Add(std::string line) { log.push_back(std::move(line)); }
    static std::string xy(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
    static std::string Where(Surface w) {
        return w == Surface::Window ? " window" : w == Surface::TableImage ? " image" : " both";
    }
};

} // namespace quillon::test
