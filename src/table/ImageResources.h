#pragma once
// Where the table's pictures come from: the card faces, back, empty-pile marks, shadows and
// borders of the chosen card set and size, taken from the main library, the extra-large library
// "plus/soladd.rgf", the add-on libraries and lists of the "plus" folder, or the player's own files
// in the data folder; the fitting of the card size to the screen and the game; and the sources of
// the table background. Every failure ends in the program's own message and a working fallback.

#include <QImage>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace quillon {

class ResourceLibrary;
class Session;

// What the image settings need of the shell. Unset preference functions fall back to a private
// in-memory store (handy for tests and headless use).
struct ImageServices {
    // Keys of the configuration file's section "Preference"; "" when missing.
    std::function<std::string(const std::string& key)> ReadPreference;
    std::function<void(const std::string& key, const std::string& value)> WritePreference;
    // The advice box with its "don't show again" check box (section "Show_Messages", key `name`).
    std::function<void(const std::string& text, const std::string& name)> ShowAdvice;
    // Enables the Customize command of the main window.
    std::function<void(bool)> EnableCustomize;
    // Ends the program after the fatal "Cannot find images file" error.
    std::function<void()> Terminate;
    int ScreenWidth = 1024;
    bool ManyColours = true; // the display shows more than 256 colours
};

class ImageResources;
// Points the preference and advice services at the configuration file "Cfg.dat" of the session's
// data folder (section "Preference") and its advice box, as the running program uses them.
void UseConfigurationFile(ImageResources& images);

// A table background as chosen from the settings.
struct BackgroundChoice {
    enum Kind { Colour, Tiled, Whole };
    Kind kind = Colour;
    QImage picture;     // Tiled and Whole
    QRgb colour = 0;    // Colour: the plain colour
    bool faded = false; // Colour: drawn as the faded gradient of the table drawing
};

// Colour values are stored with blue in the high byte (0x008000 is the default green).
QRgb ColourFromValue(long long value);

// Decoders. Both give a null image for data they cannot read, never more than they can hold.
QImage DecodeImage(const std::string& bytes);
// JPEG at best quality into 24-bit colour, through libjpeg.
QImage DecodeJpeg(const std::string& bytes);

// Opens "SOL.RGF" of the program folder into s.MainLibrary; on failure shows
// "Can't find/load " + the lower-cased path and returns false (the caller ends the program).
bool OpenMainLibrary(Session& s);

class ImageResources {
public:
    explicit ImageResources(Session& s);
    ~ImageResources();
    ImageResources(const ImageResources&) = delete;
    ImageResources& operator=(const ImageResources&) = delete;

    Session& s;
    ImageServices services;

    // The memory images the table drawing uses.
    std::array<QImage, 53> CardFaceImages; // 13 * suit + rank - 1; entry 52 the joker
    // Face `entry` of CardFaceImages for drawing: the faces of the library's card sets whose
    // cutting was put off (see LoadCardImages) are cut from their strips first.
    const QImage& CardFace(size_t entry);
    QImage CardBackImage;
    QImage JqkMarkImage;
    std::array<QImage, 2> ShadowImages; // white is transparent
    std::array<QImage, 2> BorderImages; // pure blue is transparent
    QImage FaceCopyImage;

    // Loads a bitmap resource; names of the extra-large pictures come from plus/soladd.rgf.
    bool LoadImageResource(QImage& bitmap, const std::string& name);

    // The device pixels to each of the program's own pixels on the screen the table is shown on
    // (2 on a screen scaled to 200 %). The table's pictures are loaded for it: at 1 as they are;
    // above 1 the double-size pictures of the libraries, scaled to the ratio when it is not 2, or
    // the normal ones enlarged smoothly where a library has none (custom pictures, add-ons).
    // Changing it takes effect at the next loading of the card images.
    void SetDeviceRatio(double ratio) { ratio_ = ratio > 1 ? ratio : 1.0; }
    double DeviceRatio() const { return ratio_; }
    // A picture for the table at the device ratio: device pixels, carrying the ratio. `keyed`
    // pictures have a transparent colour (shadows, borders) and are scaled without blending it.
    bool LoadTableImage(QImage& bitmap, const std::string& name, bool keyed = false);
    // A picture meant as `w` x `h` of the program's pixels, scaled to the device ratio.
    QImage AtDeviceRatio(const QImage& picture, int w, int h, bool keyed = false) const;
    // The size in device pixels of `length` program pixels.
    int DeviceLength(int length) const;
    // The image of an empty-pile mark ("deck", "stockup", "foundation5" ...).
    void LoadMarkImage(QImage& bitmap, const std::string& markName);
    // `deferFaces` as for LoadCardImages.
    void ApplyCardSettings(bool deferFaces = false);
    // Loads the faces, and unless `facesOnly` the back, marks, shadows and borders, of the card
    // set in force. With `deferFaces` the faces of a library card set are cut from their strips
    // only when the first one is drawn (CardFace): a window that shows no game never holds them.
    void LoadCardImages(bool facesOnly, bool deferFaces = false);
    void LoadCardBack();
    void FitCardSize();
    void SetCardSize(const std::string& letter);
    void ResetCardSettings();
    void VerifyCardSet();
    // The size letter of the custom or additional card set in force; false when it has no valid size.
    bool CardSetSizeLetter(std::string& letter);
    // The letter a card-set picture of that size stands for, or "" for any other size.
    static std::string LetterOfCardSetSize(int width, int height);
    std::string AddOnResourceName(const std::string& displayName, const std::string& kind);

    // File and library loaders.
    bool LoadBitmapFile(QImage& bitmap, const std::string& name);
    // The bytes of a picture file; nothing, after the fatal images message, when it is missing.
    std::optional<std::string> ReadImageFile(const std::string& path);
    bool LoadJpegFile(QImage& bitmap, const std::string& path);
    bool LoadLibraryBitmap(QImage& bitmap, const std::string& name, const std::string& library);
    bool LoadLibraryJpeg(QImage& bitmap, const std::string& name, const std::string& library);

    // Backgrounds: the source in force (with its messages and fallbacks), and painting it.
    BackgroundChoice ChooseBackground();
    void PaintBackground(QImage& canvas);
    // Paints one background as chosen (a colour plainly; the fading is the table drawing's).
    static void PaintBackground(QImage& canvas, const BackgroundChoice& choice);
    // A background tile in 32-bit colour at the device ratio `ratio` (null for a null picture).
    static QImage TileAtRatio(const QImage& picture, qreal ratio);
    // Background picture `number` of the library ("B" + three digits): tiled below 500, else
    // whole; false when the library lacks it.
    bool LibraryBackground(int number, BackgroundChoice& choice);

    // The preference store used while no ReadPreference/WritePreference is set.
    std::string Preference(const std::string& key) const;
    void WritePreferenceForTest(const std::string& key, const std::string& value) { WritePref(key, value); }

private:
    std::string ReadPref(const std::string& key) const;
    void WritePref(const std::string& key, const std::string& value);
    void Message(const std::string& text);
    std::string PlusPath(const std::string& name) const;
    std::string CustomCardSetPath() const;
    void KeepOldCardSetNames();
    // The picture of the custom or additional card set; "" error text when it loaded.
    bool LoadCardSetPicture(QImage& picture, bool showErrors);
    void LoadExtraCardSet();
    void LoadExtraDeck(bool custom);
    void ResetDeck();
    void ResetBackground();
    char Letter() const;
    std::string DefaultSet() const;

    std::map<std::string, std::string> prefs_;
    double ratio_ = 1.0;
    // The double-size picture of a resource, from the library its name belongs to; null when the
    // library has none (or cannot be opened: the normal loading then says so).
    QImage DoubleSizeResource(const std::string& name);
    int resetDepth_ = 0;
    // While one set of card images loads, the extra-large library stays open for all of them.
    // The faces of the library card set in force, cut from their strips.
    void LoadLibraryFaces();
    bool facesPending_ = false;
    int holdExtra_ = 0;
    std::unique_ptr<ResourceLibrary> heldExtra_;
};

} // namespace quillon
