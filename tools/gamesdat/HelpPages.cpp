#include "HelpPages.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace quillon::gamesdat {

namespace {

const std::map<int, const char*>& Families() {
    static const std::map<int, const char*> families = {
        {2, "Canfield type"},        {3, "Forty Thieves type"},
        {4, "FreeCell type"},        {5, "Klondike type"},
        {6, "Pairing games type"},   {7, "Simple games type"},
        {8, "Spider type"},          {9, "One-Deck games type"},
        {10, "Two-Deck games type"}, {11, "Fan games type"},
        {12, "Baker's Dozen type"},  {13, "Row games type"},
        {14, "Puzzle games type"},   {15, "Adding games type"},
        {16, "Memory games type"},   {17, "Beleaguered Castle type"},
        {18, "Queen of Italy type"}, {19, "Yukon type"},
        {20, "Mathematical games"},  {21, "Sir Tommy type"},
        {22, "Non-Builders games"},  {23, "Stripped Deck games type"},
        {24, "Four Seasons type"},   {25, "Faerie Queen type"},
        {26, "Flower Garden type"},  {27, "Sly Fox type"},
        {800, "Customized games"},
    };
    return families;
}

std::string Lower(std::string t) {
    std::transform(t.begin(), t.end(), t.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return t;
}

const char* kHead = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>";

} // namespace

std::string FamilyName(int group) {
    auto it = Families().find(group);
    return it == Families().end() ? "" : it->second;
}

std::string RulesPageName(int number) {
    char name[32];
    std::snprintf(name, sizeof name, "rules/%04d.html", number + 3000);
    return name;
}

std::string HtmlEscaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string ContentsPage(const std::vector<GameSource>& games, const std::set<std::string>& rulesPages) {
    // Families by name; games without a family of the tree come last, under "Other games".
    std::map<std::string, std::vector<const GameSource*>> byFamily;
    for (const GameSource& g : games) {
        std::string family = FamilyName(g.group);
        byFamily[family.empty() ? "" : Lower(family) + "\t" + family].push_back(&g);
    }
    std::string page = std::string(kHead) + "Contents</title>\n</head>\n<body>\n<h1>Quillon 2003 Help</h1>\n";
    page += "<p><a href=\"howtoplay.html\">How to play</a>: dragging cards, the stock, double clicks, "
            "autoplay and the keyboard.</p>\n";
    page += "<p>The rules of the " + std::to_string(games.size()) + " games, by family:</p>\n";
    auto section = [&](const std::string& title, std::vector<const GameSource*> list) {
        std::sort(list.begin(), list.end(), [](const GameSource* a, const GameSource* b) {
            const std::string la = Lower(a->name), lb = Lower(b->name);
            return la != lb ? la < lb : a->number < b->number;
        });
        page += "<h2>" + HtmlEscaped(title) + "</h2>\n<ul>\n";
        for (const GameSource* g : list) {
            const std::string file = RulesPageName(g->number);
            if (rulesPages.count(file))
                page += "<li><a href=\"" + file + "\">" + HtmlEscaped(g->name) + "</a></li>\n";
            else
                page += "<li>" + HtmlEscaped(g->name) + "</li>\n";
        }
        page += "</ul>\n";
    };
    for (const auto& [key, list] : byFamily)
        if (!key.empty())
            section(key.substr(key.find('\t') + 1), list);
    if (auto other = byFamily.find(""); other != byFamily.end())
        section("Other games", other->second);
    page += "</body>\n</html>\n";
    return page;
}

std::string HowToPlayPage(const std::vector<GameSource>& games) {
    std::string page = std::string(kHead) + "How to play</title>\n</head>\n<body>\n<h1>How to play</h1>\n";
    page += "<p>Quillon 2003 holds " + std::to_string(games.size()) +
            " patience games. Choose one with <b>File &gt; Open a game...</b> (Ctrl+F12); "
            "<b>File &gt; New game</b> (F2) deals the same game again with a new deal. The rules of the game "
            "you are playing are one key away: <b>F1</b>. All rules pages are listed in the "
            "<a href=\"contents.html\">contents</a>.</p>\n";
    page +=
        "<h2>Moving cards</h2>\n"
        "<p>Press the left mouse button on a card, drag it onto the pile where it should go and let it go. "
        "Where a game allows it, dragging a card that has other cards on it carries the whole run. "
        "When the pile does not take the card, it goes back to where it came from.</p>\n"
        "<p>In pairing games you do not drag: click the cards of a pair (or a group) one after the "
        "other and they leave the table together.</p>\n";
    page += "<h2>The stock</h2>\n"
            "<p>Click the stock to turn cards over onto the waste, or to deal a new row onto the tableau, "
            "as the game says. When the stock is empty, a click on it turns the waste over again while the "
            "game still allows redeals; a mark on the empty stock shows when it does not.</p>\n";
    page += "<h2>Double click</h2>\n"
            "<p>A double click on a card sends it to a foundation that takes it.</p>\n";
    page += "<h2>Autoplay</h2>\n"
            "<p>With <b>Game &gt; Autoplay</b> (F7) ticked, cards that can go to the foundations go there by "
            "themselves, and empty piles are filled as the game's rules say. The choice is remembered for "
            "each game.</p>\n";
    page += "<h2>The keyboard</h2>\n<table>\n"
            "<tr><td><b>F1</b></td><td>the rules of the current game</td></tr>\n"
            "<tr><td><b>F2</b></td><td>a new deal of the current game</td></tr>\n"
            "<tr><td><b>Ctrl+F12</b></td><td>open another game</td></tr>\n"
            "<tr><td><b>F7</b></td><td>autoplay on or off</td></tr>\n"
            "<tr><td><b>Ctrl+U</b></td><td>customize: card back, background, sounds</td></tr>\n"
            "<tr><td><b>Space</b></td><td>a click on the stock</td></tr>\n"
            "</table>\n";
    page += "<h2>Time and score</h2>\n"
            "<p>The clock and the score are shown at the right of the toolbar. A right click on the toolbar "
            "shows or hides them and changes the toolbar's size and style.</p>\n";
    page += "</body>\n</html>\n";
    return page;
}

} // namespace quillon::gamesdat
