#pragma once

#include "geometry/mm_types.h"

#include <QByteArray>
#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>

namespace korvo {

class TDrawing;
class TUserPrompts;

// SVG pictures from other programs taken in as shapes: File › Import picture, a picture file dropped
// on the page, and Paste when another program put a picture on the clipboard. Each lands as one
// selected group in one undo step; a picture that cannot be read is explained and changes nothing.
class TPictureImport : public QObject {
    Q_OBJECT

public:
    TPictureImport(TDrawing& drawing, TUserPrompts& prompts);

    // Asks for a picture file, starting in the folder last imported from, and puts the picture at the
    // view's top-left corner plus 10 mm.
    void ImportChosen();
    // A picture file with its top-left corner at the device point.
    void ImportFile(const QString& fileName, QPoint at);

    // Whether Paste takes the system clipboard's picture rather than the paste buffer: another
    // program put an SVG picture there, and the paste buffer is empty or older.
    bool ClipboardOffersPicture() const;
    // Korvo's own Copy or Cut just filled the paste buffer: Paste takes that again.
    void PasteBufferFilled() { FClipboardChanged = false; }
    // The clipboard's picture at the view's top-left corner plus 10 mm.
    void PastePicture();

signals:
    // The note on the parts of a picture that could not be taken in.
    void LeftOut(const QString& note);
    // Whether the clipboard offers a picture may have changed.
    void ClipboardChanged();

private:
    TMMPoint ViewCorner() const;
    void ImportFileAt(const QString& fileName, TMMPoint at);
    // Reads the picture's bytes and inserts it; a failure to do either is shown to the user.
    void Import(const std::function<QByteArray()>& read, const QString& name, TMMPoint at);

    TDrawing& FDrawing;
    TUserPrompts& FPrompts;
    // The system clipboard changed after Korvo last filled its paste buffer; Korvo's own Copy changes it
    // too, just before it fills the buffer.
    bool FClipboardChanged = false;
};

// The files a picture import takes: .svg and .svgz.
bool IsPictureFile(const QString& fileName);

} // namespace korvo
