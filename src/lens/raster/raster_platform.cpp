// The software raster: GDI's effects on true-colour pixels as the lens uses them, with pure
// replication for enlargement, black beyond the screen, and the built-in font for text.
#include "lens/raster/raster_platform.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "lens/raster/glyphs.h"

namespace {

constexpr int MIX_COPY_PEN = 13;                // R2_COPYPEN, the default mix mode
constexpr int BACKGROUND_OPAQUE = 2;            // OPAQUE, the default background mode
constexpr ColorRef PEN_COLOR = 0x00000000;      // the default pen is the stock black pen
constexpr std::uint32_t ERROR_INVALID_HANDLE = 6;
constexpr std::uint32_t ERROR_INVALID_PARAMETER = 87;
constexpr std::uint32_t ERROR_MR_MID_NOT_FOUND = 317;  // no message text for the code
constexpr std::int64_t LARGEST_BITMAP_PIXELS = std::int64_t{1} << 28;

Rect clipped(Rect rect, const RasterImage& image)
{
    return {std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, image.width),
            std::min(rect.bottom, image.height)};
}

bool isEmpty(const Rect& rect) { return rect.right <= rect.left || rect.bottom <= rect.top; }

}  // namespace

RasterImage::RasterImage(std::int32_t width, std::int32_t height, ColorRef fill)
    : width(width), height(height), pixels(static_cast<std::size_t>(width) * height, fill)
{
}

struct RasterPlatform::Bitmap : Object {
    RasterImage image;
    int selections = 0;  // surfaces it is selected into; GDI refuses to delete it meanwhile
};

struct RasterPlatform::Font : Object {
    bool bold = false;
    int selections = 0;
};

struct RasterPlatform::Brush : Object {
    ColorRef color = 0;
};

// A device context: a memory surface with its selected objects, the screen, or a test's target.
struct RasterPlatform::Surface : Object {
    RasterImage* image = nullptr;
    Bitmap* bitmap = nullptr;
    Font* font = nullptr;
    bool showsScreen = false;
    Point origin = {0, 0};  // the surface point of the image's first pixel: the virtual screen's corner
    std::unique_ptr<RasterImage> ownImage;
    int mix = MIX_COPY_PEN;
    int backgroundMode = BACKGROUND_OPAQUE;
    ColorRef background = 0x00FFFFFF;
    ColorRef textColor = 0x00000000;
    Point position = {0, 0};

    void plot(std::int32_t x, std::int32_t y, ColorRef color)
    {
        if (image->contains(x, y)) {
            image->at(x, y) = color;
        }
    }

    void fill(const Rect& rect, ColorRef color)
    {
        const Rect area = clipped(rect, *image);
        if (isEmpty(area)) {
            return;
        }
        for (std::int32_t y = area.top; y < area.bottom; ++y) {
            std::fill(&image->at(area.left, y), &image->at(area.right - 1, y) + 1, color);
        }
    }
};

RasterPlatform::RasterPlatform(RasterImage screen, Point origin)
    : screenImage(std::move(screen)),
      screenOrigin(origin),
      desktop{{origin.x, origin.y, origin.x + screenImage.width, origin.y + screenImage.height},
              {origin.x, origin.y, origin.x + screenImage.width, origin.y + screenImage.height}},
      stockBlackBrush(std::make_unique<Brush>()),
      stockSystemFont(std::make_unique<Font>()),
      stockBitmap(std::make_unique<Bitmap>())
{
    static_cast<Bitmap&>(*stockBitmap).image = RasterImage(1, 1);
    messages[ERROR_INVALID_HANDLE] = "The handle is invalid.\r\n";
}

RasterPlatform::~RasterPlatform() = default;

template <typename Kind> Kind* RasterPlatform::find(const void* handle)
{
    for (const auto* stock : {&stockBlackBrush, &stockSystemFont, &stockBitmap}) {
        if (handle == stock->get()) {
            return dynamic_cast<Kind*>(stock->get());
        }
    }
    const auto found = objects.find(handle);
    return found == objects.end() ? nullptr : dynamic_cast<Kind*>(found->second.get());
}

RasterPlatform::Surface& RasterPlatform::newSurface()
{
    auto surface = std::make_unique<Surface>();
    surface->font = static_cast<Font*>(stockSystemFont.get());
    Surface& created = *surface;
    objects[&created] = std::move(surface);
    return created;
}

WindowHandle RasterPlatform::createWindow(Rect client, Rect outer)
{
    windows.push_back(std::make_unique<Window>(Window{client, outer}));
    return handle<WindowHandle>(windows.back().get());
}

SurfaceHandle RasterPlatform::createTargetSurface(std::int32_t width, std::int32_t height, ColorRef fill)
{
    Surface& target = newSurface();
    target.ownImage = std::make_unique<RasterImage>(width, height, fill);
    target.image = target.ownImage.get();
    return handle<SurfaceHandle>(&target);
}

const RasterImage& RasterPlatform::imageOf(SurfaceHandle surface) { return *surfaceOf(surface)->image; }

Rect RasterPlatform::GetClientRect(WindowHandle window)
{
    const Rect& client = windowOf(window).client;
    return {0, 0, client.right - client.left, client.bottom - client.top};
}

Rect RasterPlatform::GetWindowRect(WindowHandle window) { return windowOf(window).outer; }

void RasterPlatform::MoveWindow(WindowHandle window, std::int32_t x, std::int32_t y, std::int32_t width,
                                std::int32_t height, bool)
{
    // The frame keeps its thickness: the client area moves and grows with the outer rectangle.
    Window& moved = windowOf(window);
    const Rect newOuter = {x, y, x + width, y + height};
    moved.client = {moved.client.left + newOuter.left - moved.outer.left,
                    moved.client.top + newOuter.top - moved.outer.top,
                    moved.client.right + newOuter.right - moved.outer.right,
                    moved.client.bottom + newOuter.bottom - moved.outer.bottom};
    moved.outer = newOuter;
}

SurfaceHandle RasterPlatform::GetWindowDC(WindowHandle window)
{
    if (window != desktopWindow()) {
        return nullptr;  // only the desktop's pixels are ever read
    }
    Surface& screen = newSurface();
    screen.image = &screenImage;
    screen.showsScreen = true;
    screen.origin = screenOrigin;
    return handle<SurfaceHandle>(&screen);
}

int RasterPlatform::ReleaseDC(WindowHandle window, SurfaceHandle surface)
{
    Surface* const released = surfaceOf(surface);
    if (window != desktopWindow() || released == nullptr || !released->showsScreen) {
        return 0;
    }
    objects.erase(surface);
    return 1;
}

GdiObject RasterPlatform::CreateCompatibleBitmap(SurfaceHandle surface, std::int32_t width, std::int32_t height)
{
    if (surfaceOf(surface) == nullptr || width < 0 || height < 0 ||
        std::int64_t{width} * height > LARGEST_BITMAP_PIXELS) {
        return nullptr;
    }
    auto bitmap = std::make_unique<Bitmap>();
    bitmap->image = RasterImage(width, height);  // black, as a new bitmap is on Windows
    Bitmap* const created = bitmap.get();
    objects[created] = std::move(bitmap);
    return handle<GdiObject>(created);
}

SurfaceHandle RasterPlatform::CreateCompatibleDC(SurfaceHandle surface)
{
    if (surface != nullptr && surfaceOf(surface) == nullptr) {
        return nullptr;
    }
    Surface& memory = newSurface();
    memory.bitmap = static_cast<Bitmap*>(stockBitmap.get());
    memory.image = &memory.bitmap->image;
    return handle<SurfaceHandle>(&memory);
}

GdiObject RasterPlatform::CreateFontIndirectA(const FontSpec& wanted)
{
    auto font = std::make_unique<Font>();
    font->bold = wanted.weight >= 600;
    Font* const created = font.get();
    objects[created] = std::move(font);
    return handle<GdiObject>(created);
}

GdiObject RasterPlatform::GetStockObject(int id)
{
    switch (id) {
    case win32::STOCK_BLACK_BRUSH: return handle<GdiObject>(stockBlackBrush.get());
    case win32::STOCK_SYSTEM_FONT: return handle<GdiObject>(stockSystemFont.get());
    default: return nullptr;
    }
}

GdiObject RasterPlatform::SelectObject(SurfaceHandle surfaceHandle, GdiObject object)
{
    Surface* const surface = surfaceOf(surfaceHandle);
    if (surface == nullptr || surface->showsScreen || object == nullptr) {
        return nullptr;
    }
    Object* const stored = find<Object>(object);
    if (auto* bitmap = dynamic_cast<Bitmap*>(stored); bitmap != nullptr && surface->bitmap != nullptr) {
        Bitmap* const previous = surface->bitmap;
        --previous->selections;
        ++bitmap->selections;
        surface->bitmap = bitmap;
        surface->image = &bitmap->image;
        return handle<GdiObject>(previous);
    }
    if (auto* font = dynamic_cast<Font*>(stored); font != nullptr) {
        Font* const previous = surface->font;
        --previous->selections;
        ++font->selections;
        surface->font = font;
        return handle<GdiObject>(previous);
    }
    return nullptr;
}

bool RasterPlatform::DeleteDC(SurfaceHandle surfaceHandle)
{
    Surface* const surface = surfaceOf(surfaceHandle);
    if (surface == nullptr || surface->showsScreen || surface->bitmap == nullptr) {
        return false;
    }
    // Stricter than GDI, as a checked build would be: the lens selects its bitmap and font back
    // out before it deletes a surface, so a surface still holding one is refused and stays alive.
    if (surface->bitmap != stockBitmap.get() || surface->font != stockSystemFont.get()) {
        return false;
    }
    objects.erase(surfaceHandle);
    return true;
}

bool RasterPlatform::DeleteObject(GdiObject object)
{
    const auto found = objects.find(object);  // stock objects are never deleted
    Object* const stored = found == objects.end() ? nullptr : found->second.get();
    const auto* bitmap = dynamic_cast<Bitmap*>(stored);
    const auto* font = dynamic_cast<Font*>(stored);
    if ((bitmap == nullptr && font == nullptr) || (bitmap != nullptr && bitmap->selections > 0) ||
        (font != nullptr && font->selections > 0)) {
        return false;
    }
    objects.erase(object);
    return true;
}

ColorRef RasterPlatform::GetPixel(SurfaceHandle surfaceHandle, std::int32_t x, std::int32_t y)
{
    Surface* const surface = surfaceOf(surfaceHandle);
    if (surface == nullptr || !surface->image->contains(x - surface->origin.x, y - surface->origin.y)) {
        return 0xFFFFFFFF;
    }
    return surface->image->at(x - surface->origin.x, y - surface->origin.y);
}

bool RasterPlatform::copyPixels(SurfaceHandle targetHandle, Rect to, SurfaceHandle sourceHandle, Rect from,
                                std::uint32_t rop)
{
    Surface* const target = surfaceOf(targetHandle);
    Surface* const source = surfaceOf(sourceHandle);
    if (target == nullptr || source == nullptr) {
        lastError = ERROR_INVALID_HANDLE;
        return false;
    }
    if (source->showsScreen && screenCopyError != 0) {
        lastError = screenCopyError;
        return false;
    }
    if (rop != win32::SOURCE_COPY && rop != win32::NOT_SOURCE_COPY) {
        lastError = ERROR_INVALID_PARAMETER;
        return false;
    }
    const std::int64_t width = to.right - to.left;
    const std::int64_t height = to.bottom - to.top;
    const std::int64_t sourceWidth = from.right - from.left;
    const std::int64_t sourceHeight = from.bottom - from.top;
    if (width <= 0 || height <= 0 || sourceWidth <= 0 || sourceHeight <= 0) {
        return true;  // nothing to copy
    }
    // Each target pixel takes the source pixel its position maps to: pure replication when the
    // target is a whole multiple of the source. As with GDI, a target pixel whose source lies off
    // the source image keeps what it had, whatever the rop: black on a fresh frame.
    const Rect area = clipped(to, *target->image);
    if (isEmpty(area)) {
        return true;
    }
    // A screen pixel of 0xFFFFFFFF lies on no display, and is left alone like one off the screen.
    std::vector<std::int32_t> sourceColumns;
    for (std::int32_t x = area.left; x < area.right; ++x) {
        sourceColumns.push_back(
            static_cast<std::int32_t>(from.left - source->origin.x + (x - to.left) * sourceWidth / width));
    }
    const RasterImage& pixels = *source->image;
    for (std::int32_t y = area.top; y < area.bottom; ++y) {
        const auto sourceY =
            static_cast<std::int32_t>(from.top - source->origin.y + (y - to.top) * sourceHeight / height);
        ColorRef* row = &target->image->at(0, y);
        for (std::int32_t x = area.left; x < area.right; ++x) {
            const std::int32_t sourceX = sourceColumns[static_cast<std::size_t>(x - area.left)];
            if (pixels.contains(sourceX, sourceY) && pixels.at(sourceX, sourceY) != 0xFFFFFFFF) {
                const ColorRef pixel = pixels.at(sourceX, sourceY);
                row[x] = rop == win32::NOT_SOURCE_COPY ? inverseRgb(pixel) : pixel;
            }
        }
    }
    return true;
}

bool RasterPlatform::StretchBlt(SurfaceHandle target, std::int32_t x, std::int32_t y, std::int32_t width,
                                std::int32_t height, SurfaceHandle source, std::int32_t sourceX,
                                std::int32_t sourceY, std::int32_t sourceWidth, std::int32_t sourceHeight,
                                std::uint32_t rop)
{
    return copyPixels(target, {x, y, x + width, y + height}, source,
                      {sourceX, sourceY, sourceX + sourceWidth, sourceY + sourceHeight}, rop);
}

bool RasterPlatform::BitBlt(SurfaceHandle target, std::int32_t x, std::int32_t y, std::int32_t width,
                            std::int32_t height, SurfaceHandle source, std::int32_t sourceX,
                            std::int32_t sourceY, std::uint32_t rop)
{
    return copyPixels(target, {x, y, x + width, y + height}, source,
                      {sourceX, sourceY, sourceX + width, sourceY + height}, rop);
}

int RasterPlatform::SetROP2(SurfaceHandle surfaceHandle, int mode)
{
    Surface* const surface = surfaceOf(surfaceHandle);
    if (surface == nullptr) {
        return 0;
    }
    return std::exchange(surface->mix, mode);
}

void RasterPlatform::MoveToEx(SurfaceHandle surfaceHandle, std::int32_t x, std::int32_t y)
{
    if (Surface* const surface = surfaceOf(surfaceHandle)) {
        surface->position = {x, y};
    }
}

void RasterPlatform::LineTo(SurfaceHandle surfaceHandle, std::int32_t x, std::int32_t y)
{
    Surface* const surface = surfaceOf(surfaceHandle);
    if (surface == nullptr) {
        return;
    }
    // Bresenham from the current position, stopping before the end point; each pixel once.
    std::int64_t px = surface->position.x;
    std::int64_t py = surface->position.y;
    const std::int64_t dx = std::llabs(x - px);
    const std::int64_t dy = -std::llabs(y - py);
    const int stepX = px < x ? 1 : -1;
    const int stepY = py < y ? 1 : -1;
    std::int64_t error = dx + dy;
    const Rect bounds = {0, 0, surface->image->width, surface->image->height};
    while (px != x || py != y) {
        const auto cx = static_cast<std::int32_t>(px);
        const auto cy = static_cast<std::int32_t>(py);
        if (cx >= bounds.left && cy >= bounds.top && cx < bounds.right && cy < bounds.bottom) {
            ColorRef& pixel = surface->image->at(cx, cy);
            // R2_NOTXORPEN: NOT(pen XOR pixel); any other mode draws as R2_COPYPEN.
            pixel = surface->mix == win32::MIX_NOT_XOR_PEN ? inverseRgb(PEN_COLOR ^ pixel) : PEN_COLOR;
        }
        const std::int64_t doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            px += stepX;
        }
        if (doubled <= dx) {
            error += dx;
            py += stepY;
        }
    }
    surface->position = {x, y};
}

ColorRef RasterPlatform::SetBkColor(SurfaceHandle surfaceHandle, ColorRef color)
{
    Surface* const surface = surfaceOf(surfaceHandle);
    return surface == nullptr ? 0xFFFFFFFF : std::exchange(surface->background, color);
}

int RasterPlatform::SetBkMode(SurfaceHandle surfaceHandle, int mode)
{
    Surface* const surface = surfaceOf(surfaceHandle);
    return surface == nullptr ? 0 : std::exchange(surface->backgroundMode, mode);
}

ColorRef RasterPlatform::SetTextColor(SurfaceHandle surfaceHandle, ColorRef color)
{
    Surface* const surface = surfaceOf(surfaceHandle);
    return surface == nullptr ? 0xFFFFFFFF : std::exchange(surface->textColor, color);
}

void RasterPlatform::ExtTextOutA(SurfaceHandle surfaceHandle, std::int32_t, std::int32_t, std::uint32_t options,
                                 const Rect& rect, const char*, std::uint32_t)
{
    // The lens only fills with it: the opaque rectangle in the background colour, no text.
    Surface* const surface = surfaceOf(surfaceHandle);
    if (surface != nullptr && (options & win32::TEXT_OPAQUE) != 0) {
        surface->fill(rect, surface->background);
    }
}

void RasterPlatform::TextOutA(SurfaceHandle surfaceHandle, std::int32_t x, std::int32_t y, const char* text,
                              std::int32_t count)
{
    Surface* const surface = surfaceOf(surfaceHandle);
    if (surface == nullptr || text == nullptr) {
        return;
    }
    const bool bold = surface->font->bold;
    const std::int32_t cellWidth = textCellWidth(bold);
    for (std::int32_t index = 0; index < count; ++index) {
        const std::int32_t left = x + index * cellWidth;
        if (surface->backgroundMode == BACKGROUND_OPAQUE) {
            surface->fill({left, y, left + cellWidth, y + TEXT_CELL_HEIGHT}, surface->background);
        }
        const std::uint8_t* rows = glyphRows(static_cast<unsigned char>(text[index]));
        for (int row = 0; row < GLYPH_HEIGHT; ++row) {
            for (int column = 0; column < GLYPH_WIDTH; ++column) {
                if ((rows[row] >> (GLYPH_WIDTH - 1 - column) & 1) == 0) {
                    continue;
                }
                surface->plot(left + column, y + 1 + row, surface->textColor);
                if (bold) {
                    surface->plot(left + column + 1, y + 1 + row, surface->textColor);
                }
            }
        }
    }
}

void RasterPlatform::FrameRect(SurfaceHandle surfaceHandle, const Rect& rect, GdiObject brushHandle)
{
    Surface* const surface = surfaceOf(surfaceHandle);
    const auto* brush = find<Brush>(brushHandle);
    if (surface == nullptr || brush == nullptr || isEmpty(rect)) {
        return;
    }
    surface->fill({rect.left, rect.top, rect.right, rect.top + 1}, brush->color);
    surface->fill({rect.left, rect.bottom - 1, rect.right, rect.bottom}, brush->color);
    surface->fill({rect.left, rect.top, rect.left + 1, rect.bottom}, brush->color);
    surface->fill({rect.right - 1, rect.top, rect.right, rect.bottom}, brush->color);
}

std::uint32_t RasterPlatform::FormatMessageA(std::uint32_t, std::uint32_t messageId, std::uint32_t,
                                             char** allocatedText)
{
    const auto found = messages.find(messageId);
    if (found == messages.end()) {
        lastError = ERROR_MR_MID_NOT_FOUND;
        return 0;
    }
    const std::string& text = found->second;
    auto buffer = std::make_unique<char[]>(text.size() + 1);
    std::memcpy(buffer.get(), text.c_str(), text.size() + 1);
    *allocatedText = buffer.get();
    messageBuffers[buffer.get()] = std::move(buffer);
    return static_cast<std::uint32_t>(text.size());
}

void RasterPlatform::LocalFree(void* memory) { messageBuffers.erase(memory); }
