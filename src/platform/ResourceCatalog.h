#pragma once
// Every resource the program asks of its own libraries, with the size it must have. The library
// builder draws from this list and a test checks the built libraries against it, so a name added
// here without its art fails the build's tests.

#include "platform/ResourceLibrary.h"

#include <string>
#include <vector>

namespace quillon {

struct CardSize {
    char letter;
    int width;
    int height;
};

// The card sizes by size letter: "M", "B", "S", "X" and the tiny "L" of the game preview.
const std::vector<CardSize>& CardSizes();
// The size of a letter; false for any other letter.
bool CardSizeOf(char letter, int& width, int& height);
// The cell size of a suit strip of that letter (the preview strips use 25 x 32 cells).
bool StripCellOf(char letter, int& width, int& height);

// Names routed to the extra-large library "plus/soladd.rgf" instead of the main library.
bool IsExtraLargeResource(const std::string& name);

struct RequiredResource {
    std::string name;
    ResourceKind kind = ResourceKind::Bitmap;
    int width = 0; // 0: any size
    int height = 0;
    bool extraLarge = false; // lives in plus/soladd.rgf
};

// Pictures of the table and the toolbars are also drawn at twice their size, for screens with two
// (or more) device pixels to each of the program's pixels; they lie beside the others under
// NAME@2x, in the same library.
std::string DoubleSizeName(const std::string& name);
// Whether a resource of the list has its double-size picture.
bool HasDoubleSize(const RequiredResource& r);

// Rounded card corners: how many pixels of a card picture drawn at `scale` times its size lie
// outside the card in the row (or column) `row` counted from a corner, at that corner. At scale 1
// that is the corner pixel and its two neighbours; larger pictures follow a circle of radius
// 3 * scale, never cutting less than the scaled-down pattern would.
int CornerCut(int row, double scale);

// The whole list, in a stable order.
const std::vector<RequiredResource>& RequiredResources();
// Language string numbers the main library must hold (both language bases).
const std::vector<int>& RequiredStrings();

// Name lists used by the builder to give each group its look.
extern const char* const kTreeFamilies[27];
extern const char* const kWaveNames[18];
extern const char* const kCursorNames[12];
// Suffixes of the empty-pile marks ("_WASTE", "004", ...), every one drawn for every size.
const std::vector<std::string>& MarkSuffixes();
// Built-in card backs of the normal size and the tiles of the background choice.
const std::vector<int>& BuiltInBacks();
const std::vector<int>& BackgroundTiles();
const std::vector<int>& BackgroundPictures();

} // namespace quillon
