// Windows metafiles (placeable ".WMF") and enhanced metafiles (".EMF"): checked when loaded,
// and played by our own player onto a QPainter, mapped into a target rectangle. The player
// draws pens, brushes, fonts, lines, polylines, polygons, rectangles, ellipses, text and
// bitmaps and follows window/viewport mapping and saved states; other records are skipped.
// Sizes, counts and offsets inside a file are never trusted: a record that claims more than
// it holds is cut to what it holds, and a file whose records do not add up is rejected.
#pragma once

#include <QPainter>
#include <QRectF>

#include <memory>
#include <string>

class Metafile {
public:
    enum class Kind { Windows, Enhanced };

    // Checks the bytes of a metafile of that kind (a Windows metafile with or without the
    // placeable header); null when they are not one.
    static std::shared_ptr<const Metafile> Parse(Kind kind, std::string bytes);

    Kind GetKind() const { return kind_; }
    // The frame given by the file in 0.1 mm (placeable header, or the enhanced header's frame).
    int FrameWidth() const { return frameWidth_; }
    int FrameHeight() const { return frameHeight_; }
    // The bytes as loaded (stored in report files as they are).
    const std::string& Bytes() const { return bytes_; }

    // Plays the records so that the frame fills `target` (painter coordinates), clipped to it.
    void Play(QPainter& painter, const QRectF& target) const;

private:
    Metafile() = default;
    bool ParseWindows();
    bool ParseEnhanced();

    Kind kind_ = Kind::Windows;
    std::string bytes_;
    size_t recordsAt_ = 0;      // offset of the first record after the header(s)
    int frameWidth_ = 0;
    int frameHeight_ = 0;
    QRectF window_;             // Windows: the placeable box (logical units), if any
    int objectCount_ = 0;       // size of the object table the file asks for
    // Enhanced: the frame in reference device pixels and the pixels per millimetre.
    QRectF referenceFrame_;
    double pixelsPerMmX_ = 96 / 25.4;
    double pixelsPerMmY_ = 96 / 25.4;
};
