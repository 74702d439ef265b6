#include "table/ImageResources.h"

#include "model/ConfigFile.h"
#include "model/Session.h"
#include "platform/Desktop.h"
#include "platform/Files.h"
#include "platform/ResourceCatalog.h"
#include "platform/ResourceLibrary.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include <jpeglib.h>

namespace quillon {

namespace {

// Positions of the parameter string read and written here.
constexpr int kBackNumber = 21, kCardSet = 24, kBackgroundDefault = 27, kBackgroundColour = 28,
              kBackgroundPicture = 43, kBackgroundFixedColour = 47, kCardSize = 128, kSavedCardSet = 129,
              kFadeBackground = 135, kGameName = 189, kSavedCardSize = 240, kCustomBackground = 246,
              kCustomDeck = 256, kCustomCardSet = 257, kAddOnCardSet = 258, kAddOnDeck = 259,
              kAddOnBackground = 260, kSavedCustomCardSet = 261, kSavedAddOnCardSet = 262;
// Game attributes read here.
constexpr int kAttrScreenClass = 40, kAttrSuitMode = 50;

constexpr const char* kButtonFace = "-2147483633";
constexpr const char* kReinstall = "Please install again Varopa Plus!";

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::string Trim(const std::string& text) {
    size_t a = text.find_first_not_of(' '), b = text.find_last_not_of(' ');
    return a == std::string::npos ? std::string() : text.substr(a, b - a + 1);
}

// Pictures are drawn in 32-bit colour; those with transparency keep it.
QImage Normalised(QImage img) {
    if (img.isNull())
        return img;
    return img.convertToFormat(img.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                     : QImage::Format_RGB32);
}

// The cell of rank r (1-13) in a block of 5 columns starting at `firstRow`.
QImage Cell(const QImage& strip, int r, int firstRow, int cw, int ch) {
    return strip.copy(((r - 1) % 5) * cw, (firstRow + (r - 1) / 5) * ch, cw, ch);
}

uint32_t Le32(const std::string& b, size_t at) {
    return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8 | uint32_t(uint8_t(b[at + 2])) << 16 |
           uint32_t(uint8_t(b[at + 3])) << 24;
}

// A bitmap file cut short would otherwise load as a picture of full size with the rest blank; its
// header says how many bytes of pixels must follow, so a short file is refused.
bool BitmapComplete(const std::string& b) {
    if (b.size() < 2 || b[0] != 'B' || b[1] != 'M')
        return true; // not a bitmap file: the decoder judges it
    if (b.size() < 34)
        return false;
    uint32_t offset = Le32(b, 10), headerSize = Le32(b, 14);
    if (headerSize < 40)
        return true; // the old core header: left to the decoder
    int64_t width = int32_t(Le32(b, 18)), height = int32_t(Le32(b, 22));
    uint32_t bits = uint32_t(uint8_t(b[28])) | uint32_t(uint8_t(b[29])) << 8, compression = Le32(b, 30);
    if (compression != 0 && compression != 3)
        return true;
    // A header may claim any size: the product is taken wide enough that it cannot overflow.
    const __int128 row = (__int128(bits) * std::abs(width) + 31) / 32 * 4;
    return __int128(offset) + row * std::abs(height) <= __int128(b.size());
}

struct JpegError {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
};

} // namespace

QRgb ColourFromValue(long long value) {
    if (value < 0) // a system colour: the classic button face
        return qRgb(0xD4, 0xD0, 0xC8);
    return qRgb(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

QImage DecodeImage(const std::string& bytes) {
    if (bytes.empty() || !BitmapComplete(bytes))
        return {};
    // Named by their signature, the formats Qt decodes itself need none of its format plugins:
    // guessing would load every one of them to ask it first.
    const char* format = bytes.rfind("\x89PNG", 0) == 0 ? "png" : bytes.rfind("BM", 0) == 0 ? "bmp" : nullptr;
    if (!format)
        return Normalised(QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), int(bytes.size())));
    QByteArray data = QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size()));
    QBuffer buffer(&data);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    return Normalised(reader.read());
}

QImage DecodeJpeg(const std::string& bytes) {
    if (bytes.size() < 4)
        return {};
    jpeg_decompress_struct info{};
    JpegError error{};
    info.err = jpeg_std_error(&error.mgr);
    error.mgr.error_exit = [](j_common_ptr c) {
        std::longjmp(reinterpret_cast<JpegError*>(c->err)->jump, 1);
    };
    error.mgr.output_message = [](j_common_ptr) {};
    // Declared before the jump target so a failure leaves nothing half-built behind: an error in
    // the middle of the pixels jumps back here, past any object made later, whose memory would
    // never be given back.
    QImage img;
    std::vector<unsigned char> row;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    info.out_color_space = JCS_RGB;
    info.dct_method = JDCT_ISLOW;
    info.do_fancy_upsampling = TRUE;
    jpeg_start_decompress(&info);
    // A picture larger than any screen is refused rather than allocated.
    if (info.output_width == 0 || info.output_height == 0 || info.output_width > 16384 ||
        info.output_height > 16384 || info.output_components != 3) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    img = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    row.resize(size_t(info.output_width) * 3);
    while (info.output_scanline < info.output_height) {
        unsigned char* rows[1] = {row.data()};
        int y = int(info.output_scanline);
        if (jpeg_read_scanlines(&info, rows, 1) != 1)
            break;
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (unsigned x = 0; x < info.output_width; ++x)
            line[x] = qRgb(row[x * 3], row[x * 3 + 1], row[x * 3 + 2]);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return img;
}

bool OpenMainLibrary(Session& s) {
    std::string path = FindNoCase(s.ProgramFolder, "SOL.RGF");
    auto lib = std::make_unique<ResourceLibrary>();
    if (!lib->Open(path)) {
        s.desktop->MessageBox(BoxKind::Information, "Information", "Can't find/load " + Lower(path));
        return false;
    }
    s.MainLibrary = std::move(lib);
    s.StateValues[3] = 1;
    return true;
}

void UseConfigurationFile(ImageResources& images) {
    Session& s = images.s;
    images.services.ReadPreference = [&s](const std::string& key) {
        return ReadConfigString(s, "Preference", key, "");
    };
    images.services.WritePreference = [&s](const std::string& key, const std::string& value) {
        WriteConfigString(s, "Preference", key, value);
    };
    images.services.ShowAdvice = [&s](const std::string& text, const std::string& name) {
        ShowAdvice(s, text, name, 0);
    };
}

ImageResources::ImageResources(Session& session) : s(session) {}

ImageResources::~ImageResources() = default;

std::string ImageResources::Preference(const std::string& key) const {
    auto it = prefs_.find(Lower(key));
    return it == prefs_.end() ? std::string() : it->second;
}

std::string ImageResources::ReadPref(const std::string& key) const {
    return services.ReadPreference ? services.ReadPreference(key) : Preference(key);
}

void ImageResources::WritePref(const std::string& key, const std::string& value) {
    if (services.WritePreference)
        services.WritePreference(key, value);
    else
        prefs_[Lower(key)] = value;
}

void ImageResources::Message(const std::string& text) {
    s.desktop->MessageBox(BoxKind::Information, "Information", text);
}

std::string ImageResources::PlusPath(const std::string& name) const {
    return FindNoCase(s.ProgramFolder, "plus/" + name);
}

char ImageResources::Letter() const {
    std::string l = s.Params.ReadParam(kCardSize, 1);
    return l.empty() ? 'B' : l[0];
}

std::string ImageResources::DefaultSet() const {
    return services.ManyColours ? "001" : "003";
}

// ---- Loaders of files and libraries ----------------------------------------------------------

std::optional<std::string> ImageResources::ReadImageFile(const std::string& path) {
    std::string resolved = FindNoCase(FolderOf(path), path.substr(FolderOf(path).size()));
    auto bytes = ReadWholeFile(resolved);
    if (!bytes) {
        // A picture file the program cannot do without: say where it belongs, then end.
        s.desktop->MessageBox(BoxKind::Error, "Error",
                              "Cannot find images file:\n" + path +
                                  "\nSome program components cannot be shown correctly.\n"
                                  "Copy the file into the directory that above is specified\n"
                                  "or reinstall the program.");
        if (services.Terminate)
            services.Terminate();
    }
    return bytes;
}

bool ImageResources::LoadBitmapFile(QImage& bitmap, const std::string& name) {
    std::string path = name.find('/') == std::string::npos ? s.DataFolder + name + ".bmp" : name;
    auto bytes = ReadImageFile(path);
    if (!bytes)
        return false;
    bitmap = DecodeImage(*bytes);
    return !bitmap.isNull();
}

bool ImageResources::LoadJpegFile(QImage& bitmap, const std::string& path) {
    auto bytes = ReadImageFile(path);
    if (!bytes)
        return false;
    bitmap = DecodeJpeg(*bytes);
    return !bitmap.isNull();
}

bool ImageResources::LoadLibraryBitmap(QImage& bitmap, const std::string& name, const std::string& library) {
    ResourceLibrary lib;
    bitmap = lib.Open(library) ? DecodeImage(lib.Bitmap(name)) : QImage();
    return !bitmap.isNull();
}

bool ImageResources::LoadLibraryJpeg(QImage& bitmap, const std::string& name, const std::string& library) {
    ResourceLibrary lib;
    bitmap = lib.Open(library) ? DecodeJpeg(lib.RawData(name)) : QImage();
    return !bitmap.isNull();
}

bool ImageResources::LoadImageResource(QImage& bitmap, const std::string& name) {
    if (IsExtraLargeResource(name)) {
        if (!heldExtra_) {
            std::string path = PlusPath("soladd.rgf");
            auto extra = std::make_unique<ResourceLibrary>();
            if (!extra->Open(path)) {
                Message("Can't find/load " + Lower(path));
                bitmap = QImage();
                ResetCardSettings();
                return false;
            }
            bitmap = DecodeImage(extra->Bitmap(name));
            if (holdExtra_ > 0)
                heldExtra_ = std::move(extra);
            return !bitmap.isNull();
        }
        bitmap = DecodeImage(heldExtra_->Bitmap(name));
        return !bitmap.isNull();
    }
    bitmap = s.MainLibrary ? DecodeImage(s.MainLibrary->Bitmap(name)) : QImage();
    return !bitmap.isNull();
}

int ImageResources::DeviceLength(int length) const {
    return ratio_ == 1.0 ? length : int(std::ceil(length * ratio_ - 1e-9));
}

QImage ImageResources::AtDeviceRatio(const QImage& picture, int w, int h, bool keyed) const {
    if (picture.isNull())
        return picture;
    const QSize device(DeviceLength(w), DeviceLength(h));
    QImage out = picture.size() == device
                     ? picture
                     : picture.scaled(device, Qt::IgnoreAspectRatio,
                                      keyed ? Qt::FastTransformation : Qt::SmoothTransformation);
    out.setDevicePixelRatio(ratio_);
    return out;
}

QImage ImageResources::DoubleSizeResource(const std::string& name) {
    const std::string big = DoubleSizeName(name);
    if (!IsExtraLargeResource(name))
        return s.MainLibrary ? DecodeImage(s.MainLibrary->Bitmap(big)) : QImage();
    if (heldExtra_)
        return DecodeImage(heldExtra_->Bitmap(big));
    ResourceLibrary extra;
    return extra.Open(PlusPath("soladd.rgf")) ? DecodeImage(extra.Bitmap(big)) : QImage();
}

bool ImageResources::LoadTableImage(QImage& bitmap, const std::string& name, bool keyed) {
    if (ratio_ == 1.0)
        return LoadImageResource(bitmap, name);
    QImage big = DoubleSizeResource(name);
    if (!big.isNull()) {
        bitmap = AtDeviceRatio(big, big.width() / 2, big.height() / 2, keyed);
        return true;
    }
    if (!LoadImageResource(bitmap, name))
        return false;
    bitmap = AtDeviceRatio(bitmap, bitmap.width(), bitmap.height(), keyed);
    return true;
}

void ImageResources::LoadMarkImage(QImage& bitmap, const std::string& markName) {
    static const std::map<std::string, std::string> marks = {
        {"stockvisible", "_WASTE"}, {"firsttableauall", "004"}, {"stockup", "022"},
        {"stockdown", "005"},       {"stockstop", "008"},       {"foundation", "004"},
        {"foundationa", "010"},     {"foundation2", "012"},     {"foundation3", "013"},
        {"foundation4", "014"},     {"foundation5", "015"},     {"foundation6", "016"},
        {"foundation7", "017"},     {"foundation8", "018"},     {"foundation9", "019"},
        {"foundation10", "020"},    {"foundation11", "006"},    {"foundation12", "003"},
        {"foundation13", "011"},    {"position", "_TABLEAU"},   {"emptyposition", "001"},
        {"emptypositionjqk", "009"}};
    std::string key = Lower(markName);
    std::string letter(1, Letter());
    std::string resource;
    if (key == "deck") {
        resource = "D" + letter + s.Params.ReadParam(kBackNumber, 3);
    } else if (auto it = marks.find(key); it != marks.end()) {
        resource = "W" + letter + it->second;
    } else {
        Message("Error: " + markName);
        return;
    }
    LoadTableImage(bitmap, resource);
    if (letter == "X")
        bitmap = AtDeviceRatio(bitmap, s.Metrics.CardWidth, s.Metrics.CardHeight);
}

// ---- Card faces, backs and the extra card sets ------------------------------------------------

std::string ImageResources::LetterOfCardSetSize(int width, int height) {
    if (width == 510 && height == 1656)
        return "X";
    if (width == 425 && height == 1380)
        return "S";
    if (width == 355 && height == 1152)
        return "B";
    if (width == 295 && height == 960)
        return "M";
    return "";
}

std::string ImageResources::CustomCardSetPath() const {
    return FindNoCase(s.DataFolder, "custom card sets/" + ReadPref("Customized_Cards_Set") + ".crs");
}

void ImageResources::KeepOldCardSetNames() {
    if (s.Params.Flag(kAddOnCardSet) || !s.Params.Flag(kCustomCardSet))
        return;
    std::string name = ReadPref("Customized_Cards_Set");
    if (name != "Children's Card Set" && name != "Small (16 colors)" &&
        name != "Traditional English Playing Cards")
        return;
    if (FileExists(CustomCardSetPath()))
        return;
    std::string mapped = AddOnResourceName(name, "Cards");
    s.Params.WriteParam(kCustomCardSet, 1, "N");
    s.Params.WriteParam(kAddOnCardSet, 1, "Y");
    WritePref("Customized_Cards_Set", "");
    WritePref("Additional_Cards_Set", mapped);
}

bool ImageResources::LoadCardSetPicture(QImage& picture, bool showErrors) {
    KeepOldCardSetNames();
    picture = QImage();
    if (s.Params.Flag(kCustomCardSet)) {
        std::string path = CustomCardSetPath();
        if (!FileExists(path)) {
            if (showErrors)
                Message("Customized cards set image not found: " + path);
            return false;
        }
        auto bytes = ReadWholeFile(path);
        picture = bytes ? DecodeImage(*bytes) : QImage();
        // A file that cannot be read as a picture has no valid size either.
        if (picture.isNull() || LetterOfCardSetSize(picture.width(), picture.height()).empty()) {
            if (showErrors)
                Message("The format of the Customized card set image is not valid.\n" + path);
            picture = QImage();
            return false;
        }
        return true;
    }
    if (s.Params.Flag(kAddOnCardSet)) {
        std::string name = ReadPref("Additional_Cards_Set");
        LoadLibraryBitmap(picture, name, PlusPath("c01.rgf"));
        if (picture.isNull() || LetterOfCardSetSize(picture.width(), picture.height()).empty()) {
            if (showErrors) {
                Message("Error loading the Card Set: " + name + "\n" + kReinstall);
                DeleteFileIfAny(s.DataFolder + "Rnd_read.dat");
            }
            picture = QImage();
            return false;
        }
        return true;
    }
    return false;
}

bool ImageResources::CardSetSizeLetter(std::string& letter) {
    QImage picture;
    if (!LoadCardSetPicture(picture, false))
        return false;
    letter = LetterOfCardSetSize(picture.width(), picture.height());
    return !letter.empty();
}

void ImageResources::LoadExtraCardSet() {
    QImage picture;
    if (!LoadCardSetPicture(picture, true)) {
        ResetCardSettings();
        return;
    }
    picture = Normalised(picture);
    int cw = s.Metrics.CardWidth, ch = s.Metrics.CardHeight;
    int mode = s.Attr(kAttrSuitMode);
    for (int k = 0; k < 4; ++k) {
        int block = k; // rows 3k+1 .. 3k+3
        if (mode == 1)
            block = 3;
        else if (mode == 2)
            block = k < 2 ? 0 : 3;
        for (int r = 1; r <= 13; ++r) {
            QImage cell = Cell(picture, r, 3 * block, cw, ch);
            CardFaceImages[size_t(13 * k + r - 1)] = ratio_ == 1.0 ? cell : AtDeviceRatio(cell, cw, ch);
        }
    }
}

namespace {

// Keeps the extra-large library open while it lives, so that one set of pictures reads it once.
struct HoldExtraLibrary {
    int& count;
    std::unique_ptr<ResourceLibrary>& held;
    HoldExtraLibrary(int& c, std::unique_ptr<ResourceLibrary>& h) : count(c), held(h) { ++count; }
    ~HoldExtraLibrary() {
        if (--count == 0)
            held.reset();
    }
};

} // namespace

const QImage& ImageResources::CardFace(size_t entry) {
    if (facesPending_) {
        facesPending_ = false;
        HoldExtraLibrary hold(holdExtra_, heldExtra_);
        LoadLibraryFaces();
    }
    return CardFaceImages[std::min(entry, CardFaceImages.size() - 1)];
}

void ImageResources::LoadLibraryFaces() {
    const std::string letter(1, Letter());
    int cw = 0, ch = 0;
    if (!StripCellOf(letter[0], cw, ch)) {
        cw = s.Metrics.CardWidth;
        ch = s.Metrics.CardHeight;
    }
    std::string set = s.Params.ReadParam(kCardSet, 3);
    int mode = s.Attr(kAttrSuitMode);
    const char* suits = mode == 1 ? "SSSS" : mode == 2 ? "HHSS" : "HDCS";
    QImage strips[4];
    int scales[4] = {1, 1, 1, 1};
    for (int k = 0; k < 4; ++k) {
        // Suits cut from the same strip share one decoded picture.
        int same = int(std::string(suits, size_t(k)).find(suits[k]));
        const std::string name = "C" + letter + set + suits[k];
        if (same >= 0 && same < k) {
            strips[k] = strips[same];
            scales[k] = scales[same];
        } else if (ratio_ != 1.0 && !(strips[k] = DoubleSizeResource(name)).isNull()) {
            scales[k] = 2; // cells of twice the size
        } else {
            LoadImageResource(strips[k], name);
        }
        const int sc = scales[k];
        for (int r = 1; r <= 13; ++r) {
            QImage& face = CardFaceImages[size_t(13 * k + r - 1)];
            face = strips[k].isNull() ? QImage() : Cell(strips[k], r, 0, cw * sc, ch * sc);
            if (ratio_ != 1.0)
                face = AtDeviceRatio(face, cw, ch);
        }
    }
}

void ImageResources::LoadCardImages(bool facesOnly, bool deferFaces) {
    if (s.Cards.size() == 0)
        return;
    HoldExtraLibrary hold(holdExtra_, heldExtra_);
    std::string letter(1, Letter());
    facesPending_ = false;
    if (!s.Params.Flag(kCustomCardSet) && !s.Params.Flag(kAddOnCardSet)) {
        if (deferFaces) {
            for (size_t k = 0; k < 52; ++k)
                CardFaceImages[k] = QImage();
            facesPending_ = true;
        } else {
            LoadLibraryFaces();
        }
    } else {
        LoadExtraCardSet();
        letter = std::string(1, Letter()); // a failed set resets the size
    }
    if (!facesOnly) {
        LoadTableImage(JqkMarkImage, "W" + letter + "009");
        LoadCardBack();
        for (int i = 0; i < 2; ++i) {
            LoadTableImage(ShadowImages[size_t(i)], "SHADOW_" + letter + std::to_string(i + 1), true);
            LoadTableImage(BorderImages[size_t(i)], "3D_BORDER_" + letter + std::to_string(i + 1), true);
        }
    }
    LoadTableImage(CardFaceImages[52], "JOKER_" + letter);
}

void ImageResources::ResetDeck() {
    s.Params.WriteParam(kBackNumber, 3, "011");
    s.Params.WriteParam(kCustomDeck, 1, "N");
    s.Params.WriteParam(kAddOnDeck, 1, "N");
    WritePref("Customized_Deck", "");
    WritePref("Additional_Deck", "");
}

void ImageResources::LoadExtraDeck(bool custom) {
    QImage picture;
    if (custom) {
        std::string path = FindNoCase(s.DataFolder, "custom decks/" + ReadPref("Customized_Deck") + ".bmp");
        auto bytes = FileExists(path) ? ReadWholeFile(path) : std::nullopt;
        picture = bytes ? DecodeImage(*bytes) : QImage();
        if (picture.isNull()) {
            Message("Customized deck image not found: " + path);
            ResetDeck();
            LoadCardBack();
            return;
        }
    } else {
        std::string name = ReadPref("Additional_Deck");
        if (!LoadLibraryBitmap(picture, name, PlusPath("d01.rgf"))) {
            Message("Error loading the Deck: " + name + "\n" + kReinstall);
            DeleteFileIfAny(s.DataFolder + "Rnd_read.dat");
            ResetDeck();
            LoadCardBack();
            return;
        }
    }
    CardBackImage = AtDeviceRatio(Normalised(picture), s.Metrics.CardWidth, s.Metrics.CardHeight);
}

void ImageResources::LoadCardBack() {
    char letter = Letter();
    if (s.Params.Flag(kCustomDeck)) {
        LoadExtraDeck(true);
    } else if (s.Params.Flag(kAddOnDeck)) {
        LoadExtraDeck(false);
    } else {
        std::string number = s.Params.ReadParam(kBackNumber, 3);
        int w = 0, h = 0;
        if (letter != 'B' && number != "011" && CardSizeOf(letter, w, h)) {
            LoadTableImage(CardBackImage, "DB" + number);
            if (!CardBackImage.isNull())
                CardBackImage = AtDeviceRatio(CardBackImage, w, h);
        } else {
            LoadTableImage(CardBackImage, std::string("D") + letter + number);
        }
    }
    // Extra-large backs get their rounded corners by whitening, when their edge is white. The
    // places are the program's pixels; at a device ratio each covers a block of device pixels.
    QImage& b = CardBackImage;
    const int W = int(std::lround(b.width() / ratio_)), H = int(std::lround(b.height() / ratio_));
    auto device = [&](int v) { return int(std::floor(v * ratio_ + 1e-9)); };
    if (letter == 'X' && W > 4 && H > 4 && (b.pixel(device(3), device(1)) & 0xFFFFFF) == 0xFFFFFF) {
        const int pts[][2] = {{2, 1},     {2, 2},         {1, 2},         {W - 3, 1},
                              {W - 3, 2}, {W - 2, 2},     {2, H - 2},     {2, H - 3},
                              {1, H - 3}, {W - 3, H - 2}, {W - 3, H - 3}, {W - 2, H - 3}};
        for (auto& p : pts)
            for (int y = device(p[1]); y < std::max(device(p[1]) + 1, device(p[1] + 1)); ++y)
                for (int x = device(p[0]); x < std::max(device(p[0]) + 1, device(p[0] + 1)); ++x)
                    b.setPixel(x, y, qRgb(255, 255, 255));
    }
}

void ImageResources::ApplyCardSettings(bool deferFaces) {
    if (s.Params.Flag(kCustomCardSet) || s.Params.Flag(kAddOnCardSet)) {
        QImage picture;
        if (LoadCardSetPicture(picture, true)) {
            s.Params.WriteParam(kCardSize, 1, LetterOfCardSetSize(picture.width(), picture.height()));
        } else {
            s.Params.WriteParam(kCustomCardSet, 1, "N");
            s.Params.WriteParam(kAddOnCardSet, 1, "N");
            std::string set = DefaultSet(), letter = "B";
            if (services.ScreenWidth < 650) {
                set = "003";
                letter = "M";
            }
            s.Params.WriteParam(kCardSize, 1, letter);
            s.Params.WriteParam(kCardSet, 3, set);
            WritePref("Card", std::to_string(std::stoi(set)));
            WritePref("Card_Size", letter);
            WritePref("Customized_Cards_Set", "");
            WritePref("Additional_Cards_Set", "");
        }
    }
    int w = 0, h = 0;
    if (CardSizeOf(Letter(), w, h)) {
        s.Metrics.CardWidth = w;
        s.Metrics.CardHeight = h;
    }
    LoadCardImages(false, deferFaces);
    FaceCopyImage = CardFaceImages[0];
}

void ImageResources::SetCardSize(const std::string& letter) {
    s.Params.WriteParam(kCustomCardSet, 1, "N");
    s.Params.WriteParam(kAddOnCardSet, 1, "N");
    s.Params.WriteParam(kCardSize, 1, letter);
    s.Params.WriteParam(kCardSet, 3, letter == "M" ? "003" : DefaultSet());
}

void ImageResources::ResetCardSettings() {
    // A reset can be reached again from inside the reload it starts (a library that fails anew);
    // the settings are plain by then, so one level is enough.
    if (resetDepth_ > 0)
        return;
    ++resetDepth_;
    s.Params.WriteParam(kCardSize, 1, "B");
    for (int pos : {kCustomCardSet, kAddOnCardSet, kCustomDeck, kAddOnDeck})
        s.Params.WriteParam(pos, 1, "N");
    for (const char* key :
         {"Customized_Cards_Set", "Additional_Cards_Set", "Customized_Deck", "Additional_Deck"})
        WritePref(key, "");
    std::string set = DefaultSet();
    s.Params.WriteParam(kCardSet, 3, set);
    WritePref("Card", std::to_string(std::stoi(set)));
    ApplyCardSettings();
    --resetDepth_;
}

void ImageResources::VerifyCardSet() {
    QImage probe;
    if (!LoadImageResource(probe, "CB004H"))
        s.Params.WriteParam(kCardSet, 3, DefaultSet());
}

void ImageResources::FitCardSize() {
    const int w = services.ScreenWidth;
    const int g = s.Attr(kAttrScreenClass);
    const std::string before = s.Params.ReadParam(kCardSize, 1);
    const std::string c = before, o = s.Params.ReadParam(kSavedCardSize, 1);
    auto either = [&](const char* a) { return c == a || o == a; };

    bool room = !((g == 1 && w < 650) || (g == 2 && w < 1100));
    if (room && !(w < 650 && either("S")) && !(w < 810 && g == 1 && either("S")) &&
        !(w < 810 && either("X"))) {
        if (!s.Params.ReadParam(kSavedCardSet, 3).empty()) {
            s.Params.WriteParam(kCardSize, 1, s.Params.ReadParam(kSavedCardSize, 1));
            s.Params.WriteParam(kCardSet, 3, s.Params.ReadParam(kSavedCardSet, 3));
            s.Params.WriteParam(kCustomCardSet, 1, s.Params.ReadParam(kSavedCustomCardSet, 1));
            s.Params.WriteParam(kAddOnCardSet, 1, s.Params.ReadParam(kSavedAddOnCardSet, 1));
            WritePref("Customized_Cards_Set", ReadPref("Customized_Cards_Set_Old_Big"));
            WritePref("Additional_Cards_Set", ReadPref("Additional_Cards_Set_Old_Big"));
            WritePref("Customized_Cards_Set_Old_Big", "");
            WritePref("Additional_Cards_Set_Old_Big", "");
            for (int pos : {kSavedCardSize, kSavedCustomCardSet, kSavedAddOnCardSet})
                s.Params.WriteParam(pos, 1, "");
            s.Params.WriteParam(kSavedCardSet, 3, "");
        }
        if (services.EnableCustomize)
            services.EnableCustomize(true);
    } else {
        bool saved = false;
        if ((c == "B" || c == "S" || c == "X") && o.empty()) {
            s.Params.WriteParam(kSavedCardSize, 1, c);
            s.Params.WriteParam(kSavedCardSet, 3, s.Params.ReadParam(kCardSet, 3));
            s.Params.WriteParam(kSavedCustomCardSet, 1, s.Params.ReadParam(kCustomCardSet, 1));
            s.Params.WriteParam(kSavedAddOnCardSet, 1, s.Params.ReadParam(kAddOnCardSet, 1));
            WritePref("Customized_Cards_Set_Old_Big", ReadPref("Customized_Cards_Set"));
            WritePref("Additional_Cards_Set_Old_Big", ReadPref("Additional_Cards_Set"));
            saved = true;
        }
        enum Notice { None, Small640, Medium800, Large, ExtraLarge } notice = None;
        bool sx = either("S") || either("X");
        if (g == 1 && w < 650) {
            if (c != "M")
                SetCardSize("M");
            notice = Small640;
        } else if (g == 2 && w < 810) {
            if (c != "M")
                SetCardSize("M");
            notice = Medium800;
        } else if (g == 2 && w < 1100 && (c == "S" || c == "X")) {
            SetCardSize("B");
            notice = c == "S" ? Large : ExtraLarge;
        } else if (w < 650 && sx) {
            SetCardSize("B");
            notice = either("S") ? Large : ExtraLarge;
        } else if (w < 810 && either("X")) {
            SetCardSize(g == 1 ? "B" : "S");
            notice = ExtraLarge;
        } else if (w < 810 && g == 1 && sx) {
            SetCardSize("B");
            notice = either("S") ? Large : ExtraLarge;
        }
        if (!saved) {
            s.Game.CardImagesState = 1;
        } else if (notice != None && s.Game.CardImagesState == 0) {
            std::string name = Trim(s.Params.ReadParam(kGameName, 50));
            bool shown = false;
            if (notice == Small640 || notice == Medium800) {
                if (!s.Game.SmallScreenAdviceShown && notice == Small640) {
                    if (services.ShowAdvice)
                        services.ShowAdvice("Your video card's display is 640x480 pixels. For the best "
                                            "graphics display the screen "
                                            "resolution should be set to 800x600 pixels or higher. However, "
                                            "it's possible to play " +
                                                name + " using a predefined cards set.",
                                            "Msg_Cards_Medium_640x480");
                    s.Game.SmallScreenAdviceShown = 1;
                    shown = true;
                } else if (!s.Game.CardSizeAdviceShown && notice == Medium800) {
                    if (services.ShowAdvice)
                        services.ShowAdvice("Your video card's display is 800x600 pixels. For the best "
                                            "graphics display of this game "
                                            "the screen resolution should be set to 1024x768 pixels or "
                                            "higher. However, it's possible "
                                            "to play " +
                                                name + " using a predefined Cards set.",
                                            "Msg_Cards_Medium_800x600");
                    s.Game.CardSizeAdviceShown = 1;
                    shown = true;
                }
            } else if (!s.Game.CardSizeAdviceShown) {
                const char* size = notice == Large ? "Large" : "Extra Large";
                if (services.ShowAdvice)
                    services.ShowAdvice(std::string("You have selected the ") + size +
                                            " size Cards Set. It's possible to play " + name +
                                            " using a predefined Cards Set.",
                                        notice == Large ? "Msg_Cards_Large" : "Msg_Extra_Large_Cards");
                s.Game.CardSizeAdviceShown = 1;
                shown = true;
            }
            if (shown)
                s.Game.CardImagesState = 1;
        }
    }
    if (s.Params.ReadParam(kCardSize, 1) != before || s.Attr(kAttrSuitMode) != s.Game.CardSetVariant) {
        ApplyCardSettings();
        s.Game.CardSetVariant = static_cast<std::int16_t>(s.Attr(kAttrSuitMode));
    }
}

std::string ImageResources::AddOnResourceName(const std::string& displayName, const std::string& kind) {
    std::string k = Lower(kind), file;
    if (k == "cards")
        file = "c01.dat";
    else if (k == "decks")
        file = "d01.dat";
    else if (k == "backgrounds")
        file = "b01.dat";
    else {
        Message("File not found:");
        return "";
    }
    auto text = ReadWholeFile(PlusPath(file));
    if (!text)
        return "";
    std::istringstream lines(*text);
    std::string line;
    while (std::getline(lines, line)) {
        while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
            line.pop_back();
        if (line.size() >= displayName.size() &&
            line.compare(line.size() - displayName.size(), displayName.size(), displayName) == 0) {
            size_t eq = line.find('=');
            return eq == std::string::npos ? line : line.substr(0, eq);
        }
    }
    return "";
}

// ---- Backgrounds ---------------------------------------------------------------------------

void ImageResources::ResetBackground() {
    s.Params.WriteParam(kCustomBackground, 1, "N");
    s.Params.WriteParam(kAddOnBackground, 1, "N");
    s.Params.WriteParam(kBackgroundDefault, 1, "Y");
    s.Params.WriteParam(kFadeBackground, 1, "Y");
    WritePref("Customized_Background", "");
    WritePref("Additional_Background", "");
    WritePref("Background_Def", "Y");
    WritePref("Fade_Background", "Y");
}

BackgroundChoice ImageResources::ChooseBackground() {
    if (s.Params.ReadParam(kBackgroundPicture, 4).empty())
        s.Params.WriteParam(kBackgroundPicture, 4, "0");
    if (s.Params.ReadParam(kBackgroundColour, 15).empty())
        s.Params.WriteParam(kBackgroundColour, 15, kButtonFace);
    if (s.Params.ReadParam(kBackgroundFixedColour, 15).empty())
        s.Params.WriteParam(kBackgroundFixedColour, 15, "32768");
    const bool fade = s.Params.Flag(kFadeBackground) && services.ManyColours;

    BackgroundChoice choice;
    if (s.Params.Flag(kBackgroundDefault)) {
        choice.colour = ColourFromValue(32768);
        choice.faded = fade;
        return choice;
    }
    if (s.Params.Flag(kCustomBackground)) {
        std::string name = ReadPref("Customized_Background");
        for (char& ch : name)
            if (ch == '\\')
                ch = '/';
        std::string path = name.find('/') == std::string::npos ? s.DataFolder + name + ".bmp" : name;
        path = FindNoCase(FolderOf(path), path.substr(FolderOf(path).size()));
        std::string lower = Lower(name);
        bool jpeg = lower.find(".jpg") != std::string::npos || lower.find(".jpe") != std::string::npos;
        QImage picture;
        bool ok = FileExists(path) && (jpeg ? LoadJpegFile(picture, path) : LoadBitmapFile(picture, path));
        if (ok) {
            choice.kind = BackgroundChoice::Tiled;
            choice.picture = picture;
            return choice;
        }
        Message("Customized background image not found: " + path);
        ResetBackground();
        return ChooseBackground();
    }
    if (s.Params.Flag(kAddOnBackground)) {
        std::string name = ReadPref("Additional_Background");
        QImage picture;
        if (LoadLibraryJpeg(picture, name, PlusPath("b01.rgf"))) {
            choice.kind = BackgroundChoice::Tiled;
            choice.picture = picture;
            return choice;
        }
        Message("Error loading the Background: " + name + "\n" + kReinstall);
        DeleteFileIfAny(s.DataFolder + "Rnd_read.dat");
        ResetBackground();
        return ChooseBackground();
    }
    int number = s.Params.ReadInt(kBackgroundPicture, 4, 0);
    // A picture the library lacks leaves the plain colour below rather than an unpainted table.
    if (number != 0 && LibraryBackground(number, choice))
        return choice;
    long long fixed = s.Params.ReadInt(kBackgroundFixedColour, 15, 0);
    choice.colour = ColourFromValue(fixed > 0 ? fixed : s.Params.ReadInt(kBackgroundColour, 15, -1));
    choice.faded = fade;
    return choice;
}

bool ImageResources::LibraryBackground(int number, BackgroundChoice& choice) {
    char name[16];
    std::snprintf(name, sizeof name, "B%03d", number);
    QImage picture;
    // Tiles come at the device ratio; a whole picture is enlarged as it is painted.
    if (!(number < 500 ? LoadTableImage(picture, name) : LoadImageResource(picture, name)))
        return false;
    choice.kind = number < 500 ? BackgroundChoice::Tiled : BackgroundChoice::Whole;
    choice.picture = picture;
    return true;
}

void ImageResources::PaintBackground(QImage& canvas) {
    PaintBackground(canvas, ChooseBackground());
}

QImage ImageResources::TileAtRatio(const QImage& picture, qreal ratio) {
    QImage tile = picture.convertToFormat(QImage::Format_RGB32);
    if (tile.isNull() || tile.devicePixelRatio() == ratio)
        return tile;
    // A tile of other pixels than the canvas's is scaled to the canvas's pixels first.
    const qreal k = ratio / tile.devicePixelRatio();
    tile = tile.scaled(std::max(1, int(std::lround(tile.width() * k))),
                       std::max(1, int(std::lround(tile.height() * k))), Qt::IgnoreAspectRatio,
                       Qt::SmoothTransformation)
               .convertToFormat(QImage::Format_RGB32);
    tile.setDevicePixelRatio(ratio);
    return tile;
}

void ImageResources::PaintBackground(QImage& canvas, const BackgroundChoice& choice) {
    switch (choice.kind) {
    case BackgroundChoice::Colour:
        canvas.fill(QColor(choice.colour));
        break;
    case BackgroundChoice::Whole: {
        canvas.fill(QColor(ColourFromValue(32768)));
        QPainter p(&canvas);
        // On a canvas of finer pixels the picture is enlarged to the program's size of it.
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(0, 0, choice.picture);
        break;
    }
    case BackgroundChoice::Tiled: {
        const QImage tile = TileAtRatio(choice.picture, canvas.devicePixelRatio());
        if (tile.isNull() || canvas.depth() != 32)
            break;
        // Along the top first, then the top band downwards: every row of the canvas repeats the
        // tile's rows, in device pixels, so the tiles meet without a seam at any ratio.
        const int tw = tile.width(), th = tile.height(), cw = canvas.width();
        for (int y = 0; y < canvas.height(); ++y) {
            const auto* from = reinterpret_cast<const QRgb*>(tile.constScanLine(y % th));
            auto* to = reinterpret_cast<QRgb*>(canvas.scanLine(y));
            for (int x = 0; x < cw; x += tw)
                std::memcpy(to + x, from, size_t(std::min(tw, cw - x)) * sizeof(QRgb));
        }
        break;
    }
    }
}

} // namespace quillon
