// The part of a metafile canvas that EMF and WMF share: GDI's way of drawing with
// selected objects. A fill draws with an invisible pen and a solid brush, a line with
// its pen and a hollow brush, text with its font and colour; an object is made only
// when the look changes, and the one it replaces is deleted once it is no longer
// selected. The formats record the objects and the drawing in their own records.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "simhost/render/MetafileCanvas.h"

namespace simhost::render {

// A pen: its colour, pattern (None: draws nothing) and width in device units.
struct PenLook {
    Rgb colour;
    LinePattern pattern = LinePattern::Solid;
    int32_t width = 1;
    bool operator==(const PenLook& o) const {
        return colour == o.colour && pattern == o.pattern && width == o.width;
    }
};

class RecordingCanvas : public MetafileCanvas {
public:
    // The scene from the file's header to its end record, as *bytes; false, with *error
    // naming the format, when a record could not be made.
    bool recordScene(const Scene& scene, const std::string& format, std::string* bytes,
                     std::string* error);

    void fill(const std::vector<DevicePolygon>& polygons, Rgb colour) final;
    void stroke(const DevicePolygon& line, const LineLook& look, int32_t width) final;
    void text(const std::string& utf8, DevicePoint reference, const DeviceFont& font,
              Rgb colour) final;

protected:
    // The file around the drawing, and whether every record could be made.
    virtual void begin(const Scene& scene) = 0;
    virtual void end() = 0;
    virtual bool failed() const = 0;
    virtual std::string& bytes() = 0;
    // The objects, each answering its handle; a brush without colour is hollow.
    virtual uint32_t createPen(const PenLook& pen) = 0;
    virtual uint32_t createBrush(std::optional<Rgb> colour) = 0;
    virtual uint32_t createFont(const DeviceFont& font) = 0;
    virtual void select(uint32_t handle) = 0;
    virtual void remove(uint32_t handle) = 0;
    // The drawing.
    // The polygons' points one after another, and how many belong to each.
    virtual void polyPolygon(const DevicePolygon& points, const std::vector<uint16_t>& counts) = 0;
    virtual void polyline(const DevicePolygon& line) = 0;
    virtual void setTextColour(Rgb colour) = 0;
    virtual void textOut(const std::string& utf8, DevicePoint reference,
                         const DeviceFont& font) = 0;
    // Deletes the objects still selected, before the end of the metafile.
    void removeObjects();

private:
    template <typename Look>
    struct Selected {
        std::optional<Look> look;
        uint32_t handle = 0;
    };
    template <typename Look, typename Create>
    void use(Selected<Look>& selected, const Look& look, Create create);

    Selected<PenLook> pen_;
    Selected<std::optional<Rgb>> brush_;
    Selected<DeviceFont> font_;
    std::optional<Rgb> textColour_;
};

}  // namespace simhost::render
