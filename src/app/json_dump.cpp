#include "app/json_dump.h"

#include "shapes/code_page.h"

#include <cmath>
#include <cstdio>

namespace korvo {

namespace {

    class TJsonWriter {
    public:
        QByteArray& Out() { return FOut; }

        TJsonWriter& Raw(const char* text)
        {
            FOut.append(text);
            return *this;
        }

        TJsonWriter& Number(long long v)
        {
            FOut.append(QByteArray::number(v));
            return *this;
        }

        // JSON has no NaN or infinity; damaged files may hold them, so they appear as strings.
        TJsonWriter& Float(float v)
        {
            if (std::isnan(v))
                return Raw("\"nan\"");
            if (std::isinf(v))
                return Raw(v > 0 ? "\"inf\"" : "\"-inf\"");
            char buffer[32];
            std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(v));
            return Raw(buffer);
        }

        TJsonWriter& Bool(bool v) { return Raw(v ? "true" : "false"); }

        TJsonWriter& String(const QString& text)
        {
            FOut.append('"');
            for (const char c : text.toUtf8()) {
                switch (c) {
                case '"':
                    FOut.append("\\\"");
                    break;
                case '\\':
                    FOut.append("\\\\");
                    break;
                default:
                    if (static_cast<unsigned char>(c) < 0x20) {
                        char escape[8];
                        std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
                        FOut.append(escape);
                    } else {
                        FOut.append(c);
                    }
                }
            }
            FOut.append('"');
            return *this;
        }

        // "key":
        TJsonWriter& Key(const char* key)
        {
            FOut.append('"').append(key).append("\":");
            return *this;
        }

    private:
        QByteArray FOut;
    };

    void WriteFont(TJsonWriter& json, const TShapeFont& font)
    {
        const TLogFont record = font.Record();
        json.Raw("{").Key("colour").Number(font.Colour);
        json.Raw(",").Key("face").String(DecodeText(font.Face(), font.Charset()));
        json.Raw(",").Key("size").Number(font.Size());
        json.Raw(",").Key("bold").Bool(font.Bold());
        json.Raw(",").Key("italic").Bool(font.Italic());
        json.Raw(",").Key("underline").Bool(font.Underline());
        json.Raw(",").Key("strikeout").Bool(font.StrikeOut());
        json.Raw(",").Key("charset").Number(font.Charset());
        json.Raw(",").Key("pitch").Number(static_cast<int>(font.Pitch()));
        json.Raw(",").Key("escapement").Number(record.Escapement);
        json.Raw(",").Key("orientation").Number(record.Orientation);
        json.Raw(",").Key("height").Number(record.Height);
        json.Raw("}");
    }

    void WriteShape(TJsonWriter& json, const TPolygon& shape)
    {
        json.Raw("{").Key("kind").Number(shape.FKind);
        json.Raw(",").Key("pen").Raw("{").Key("colour").Number(shape.FPen.Colour);
        json.Raw(",").Key("style").Number(shape.FPen.Style).Raw(",").Key("width").Number(shape.FPen.Width).Raw("}");
        json.Raw(",").Key("brush").Raw("{").Key("colour").Number(shape.FBrush.Colour);
        json.Raw(",").Key("style").Number(shape.FBrush.Style).Raw("}");
        json.Raw(",").Key("font");
        WriteFont(json, shape.FFont);
        json.Raw(",").Key("text").String(DecodeText(shape.FText, shape.FFont.Charset()));
        json.Raw(",").Key("points").Raw("[");
        for (std::size_t i = 0; i < shape.FPoints.size(); ++i)
            json.Raw(i ? ",[" : "[").Float(shape.FPoints[i].X).Raw(",").Float(shape.FPoints[i].Y).Raw("]");
        const TMMRect& b = shape.FBounds;
        json.Raw("],").Key("bounds").Raw("[").Float(b.Left).Raw(",").Float(b.Top);
        json.Raw(",").Float(b.Right).Raw(",").Float(b.Bottom).Raw("]");
        json.Raw(",").Key("lineEnd").Number(shape.FLineEnd);
        json.Raw(",").Key("children").Raw("[");
        for (std::size_t i = 0; i < shape.FChildren.size(); ++i) {
            if (i)
                json.Raw(",");
            WriteShape(json, shape.FChildren[i]);
        }
        json.Raw("]}");
    }

} // namespace

QByteArray DumpDrawing(const TShapeList& shapes)
{
    TJsonWriter json;
    json.Raw("{").Key("format").String(QStringLiteral("kv-drawing")).Raw(",").Key("shapes").Raw("[");
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        if (i)
            json.Raw(",");
        WriteShape(json, *shapes[i]);
    }
    json.Raw("]}\n");
    return json.Out();
}

QByteArray DumpLibrary(const TPolyLib& library)
{
    TJsonWriter json;
    json.Raw("{").Key("format").String(QStringLiteral("kv-library")).Raw(",").Key("pages").Raw("[");
    const QList<QByteArray>& pages = library.Pages();
    for (qsizetype i = 0; i < pages.size(); ++i)
        json.Raw(i ? "," : "").String(DecodeText(pages[i], DefaultCharset));
    json.Raw("],").Key("entries").Raw("[");
    const TLibEntries& entries = library.Entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        json.Raw(i ? ",{" : "{").Key("page").Number(entries[i]->FPage);
        json.Raw(",").Key("name").String(DecodeText(entries[i]->FName, DefaultCharset));
        json.Raw(",").Key("shape");
        WriteShape(json, entries[i]->FShape);
        json.Raw("}");
    }
    json.Raw("]}\n");
    return json.Out();
}

} // namespace korvo
