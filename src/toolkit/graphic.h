#pragma once

#include "exceptions.h"
#include "stream/value.h"

#include <QRect>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

class QPainter;

namespace tcm::toolkit {

// A picture of some stored format, as a picture control holds it.
class TGraphic {
public:
    virtual ~TGraphic() = default;
    virtual int width() const = 0;
    virtual int height() const = 0;
    bool empty() const { return width() <= 0 || height() <= 0; }
    // Draws the picture into `dest`, touching only the part inside `clip`.
    virtual void draw(QPainter& painter, const QRect& dest, const QRect& clip) = 0;
};

// Raised for a picture file its reader cannot take.
TCM_EXCEPTION_CLASS(EJPEG, EInvalidGraphic);

// Makes a picture of the class named in a stored picture value from the
// picture file's bytes; throws EInvalidGraphic (or EJPEG) for a bad file.
using GraphicFactory = std::function<std::unique_ptr<TGraphic>(stream::Bytes file)>;

// Registers a picture class under its class name, with the file extensions
// and description of its format.
void registerPictureFormat(std::string_view extensions, std::string_view description,
                           std::string_view className, GraphicFactory factory);

struct PictureFormat {
    std::string extensions;  // "jpeg;jpg"
    std::string description;
    std::string className;
    GraphicFactory create;
};
// The registered format whose class has that name, or null.
const PictureFormat* findPictureClass(std::string_view className);

}  // namespace tcm::toolkit
