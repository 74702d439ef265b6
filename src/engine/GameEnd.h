#pragma once
// The end of a game and its score: the won test and the score of every game family, the score
// added for cards the deal plays home, the memory games' counts and result page, the point count
// of the baccarat-style family, the joker value labels, the question before a game in progress is
// abandoned, and the end of the game itself.

#include "engine/TableView.h"
#include "model/Session.h"

#include <string>
#include <string_view>

namespace quillon {

// The game family's won test of the current position.
bool WonTest(Session& s);

// Recomputes the score by family, shows it and stores it (position 122).
void UpdateScore(Session& s);
// The score as UpdateScore would compute it; false for the families that keep no score.
bool ComputeScore(Session& s, int& score);
// False for the games that keep no score at all (the grid-filling games whose hands the player
// counts): the window shows no score for them.
bool KeepsScore(const Session& s);
// Adds 5 points per card (cards the deal plays to the foundations). Installed as the session's
// AddScore hook by InstallPlayHooks.
void AddScore(Session& s, int cards);

// Family 36: the length of the ascending run of turned-up cards collected in reserve 0.
int SequenceLength(const Session& s);
// Family 38: how many of tableau piles 0-9 start with the second-deck twin of the first card of
// the foundation with the same index (0 until all ten piles hold cards).
int MatchedPairs(const Session& s);
// Family 38: turns the cards to remember on foundations 0-9 face down (the first stock click)
// or face up again (the last card chosen); true when a card was turned.
bool TurnRememberedCards(Session& s, bool faceUp);
// The point count 0-9 of a hand of two or three cards whose numbers lie `stride` characters apart.
int HandValue(std::string_view cards, int stride);
// Family 64: shows the point count of the hand being built (pile contents) above the tableau.
void ShowPartialScore(Session& s, std::string_view cards);
// Family 64: -N plus the value of every hand put on the second waste pile.
int HandScore(const Session& s);
// Family 58: the sum the foundations must reach, from the deal code; -1 without a full code.
int DealCodeTarget(const Session& s);
// Family 74: 13 flags, true for each column of tableau piles 0-3 whose four ranks add up to 30.
std::vector<bool> ColumnsAddingUp(const Session& s);

// The joker label under the foundations (foundation rule codes 72 and 75).
void JokerLabels(Session& s);
// The label text for a joker standing for `rank` ("Joker = A", "Joker= Q", "Joker=10").
std::string JokerLabelText(int rank);

// May the game in progress be abandoned? Asks with `text` ("Quit this game?" when empty) when the
// preference asks for it and a game is in play and not won.
bool ConfirmQuit(Session& s, const std::string& text = "");

// The result page of the memory games (families 36-39) for the current position.
MemoryResultPage MemoryResult(Session& s, bool won);
void ShowMemoryResult(Session& s, bool won);

// Ends the game in progress; true when it was won. Without a game in play nothing happens.
bool EndGame(Session& s);

// The game-end test right after the deal, for games that can be lost at the deal: the score and
// the won test are brought up to date, and a game that is won already or that deals without any
// legal move ends at once (as won or as lost). True when the game ended.
bool EndGameAtDeal(Session& s);

// Installs the engine's operations into the session's hooks (the building rules and AddScore).
void InstallPlayHooks(Session& s);

} // namespace quillon
