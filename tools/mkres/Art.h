#pragma once
// Drawing helpers shared by the parts of the resource-library builder.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <string>

namespace mkres {

enum Suit { Hearts = 0, Diamonds = 1, Clubs = 2, Spades = 3 };

// Outline of a suit sign filling the unit square (0..1 in both axes), point up.
QPainterPath SuitPath(int suit);
// Draws a suit sign centred at (cx, cy) with height h; `flip` turns it upside down.
void DrawSuit(QPainter& p, int suit, double cx, double cy, double h, const QColor& colour, bool flip = false);

// The card faces: rank 1-13 of a suit, or the joker (rank 0), for a card set 1-4 at a pixel size.
// `scale` 2 draws the same picture at twice the size (the double-size pictures of the libraries):
// the same shapes with twice the detail, and an outline still one pixel wide.
QImage DrawFace(int set, int rank, int suit, int width, int height, int scale = 1);
QImage DrawJoker(int width, int height, int scale = 1);
// The card backs by number, at any size.
QImage DrawBack(int number, int width, int height, int scale = 1);
// Empty-pile marks by suffix ("001", "_WASTE" ...), with a transparent surround.
QImage DrawMark(const std::string& suffix, int width, int height, int scale = 1);
QImage DrawShadowPiece(int piece, int cardWidth, int cardHeight, int scale = 1);
QImage DrawBorderPiece(int piece, int cardWidth, int cardHeight, int scale = 1);
// Suit strip: 13 cells in rows of 5, 5 and 3.
QImage DrawSuitStrip(int set, int suit, int cellWidth, int cellHeight, int scale = 1);

// Backgrounds: tiles that repeat without seams, and whole pictures.
QImage DrawBackground(int number, int scale = 1);

// Interface pictures.
QImage DrawToolbarIcon(const std::string& button, int size, bool classic, bool disabled);
QImage DrawMenuIcon(const std::string& name, int size);
QImage DrawSmallIcon(const std::string& name, int width, int height);
QImage DrawCursor(const std::string& name, int& hotX, int& hotY);
QImage DrawTitle(int width, int height);
QImage DrawLogo(int width, int height);
// The program's icon, size x size pixels on a transparent ground.
QImage DrawAppIcon(int size);
QImage DrawPreviewPiece(const std::string& name);

// Sounds: a complete RIFF wave file, 16-bit PCM mono.
std::string SynthesiseWave(const std::string& name);

// Common colours.
QColor SuitColour(int set, int suit);
// A rounded card outline with white surround: the corner pixel and its two neighbours lie outside.
// A picture drawn at `scale` 2 gets the rounder corners of its size and an edge one pixel wide.
void CardOutline(QImage& img, const QColor& edge, int scale = 1);
// Pixel-exact rounded rectangle path for a card of that size.
QPainterPath CardShape(double w, double h, double r);

QFont Font(const char* family, double pixelSize, int weight = QFont::Bold, int stretch = 100);

} // namespace mkres
