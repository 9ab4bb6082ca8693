#include "CJpegReader.h"

#include "imaging/CDibImage.h"
#include "imaging/DibLayout.h"

#include <QFile>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace {

// The error manager: fatal errors unwind to the reader, warnings are counted.
struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf resume;
    int warnings = 0;
};

void OnFatalError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->resume, 1);
}

void OnMessage(j_common_ptr info, int level)
{
    // Level -1 is a warning (corrupt data, premature end); trace levels are >= 0.
    if (level < 0)
        ++reinterpret_cast<ErrorManager*>(info->err)->warnings;
}

void Discard(j_common_ptr) {}

// Everything the decoding touches lives here, made before setjmp and freed
// after it, because longjmp skips destructors.
struct Decoding
{
    jpeg_decompress_struct info;
    ErrorManager error;
    std::FILE* file = nullptr;
    CDibImage decoded;
};

// A progressive file keeps every coefficient of the picture while its scans
// arrive, two bytes a sample: this serves 89 megapixels at full colour
// resolution (179 with the usual halved chroma), more than a plate can
// show. Baseline files need a few rows only. Without the cap a header
// alone, a few hundred bytes, makes the decoder take gigabytes.
constexpr long decoderMemory = 512L << 20;

bool ReadDirect(Decoding& d);
bool ReadSwapped(Decoding& d, int components);

bool Decode(Decoding& d)
{
    jpeg_create_decompress(&d.info);
    d.info.mem->max_memory_to_use = decoderMemory;
    jpeg_stdio_src(&d.info, d.file);
    if (jpeg_read_header(&d.info, TRUE) != JPEG_HEADER_OK)
        return false;
    // The declared size is all the header is worth: refuse what no image of
    // ours may hold before the decoder sizes its buffers by it.
    if (!DibLayout::IsAcceptableSize(int(d.info.image_width), int(d.info.image_height), 24))
        return false;
    if (d.info.jpeg_color_space == JCS_GRAYSCALE)
        d.info.out_color_space = JCS_RGB;
    // Colour pictures come straight out in the rows' own B,G,R order.
    const bool direct = d.info.out_color_space == JCS_RGB;
    if (direct)
        d.info.out_color_space = JCS_EXT_BGR;
    jpeg_start_decompress(&d.info);
    const int width = int(d.info.output_width), height = int(d.info.output_height);
    const int components = d.info.output_components;
    if (!DibLayout::IsAcceptableSize(width, height, 24) || components < 3 || d.error.warnings != 0)
        return false;
    CDibImage& decoded = d.decoded;
    if (!decoded.Create(width, height, 24))
        return false;
    return direct ? ReadDirect(d) : ReadSwapped(d, components);
}

bool ReadDirect(Decoding& d)
{
    // A few rows a call, as many as the decoder makes at once.
    constexpr int batch = 16;
    JSAMPROW rows[batch];
    const int height = int(d.info.output_height);
    while (d.info.output_scanline < d.info.output_height) {
        const int y = int(d.info.output_scanline);
        const int count = std::min(batch, height - y);
        for (int i = 0; i < count; ++i)
            rows[i] = d.decoded.Row(y + i);
        // Any warning fails the file anyway; a truncated one would otherwise
        // go on decoding grey rows to its declared end.
        if (jpeg_read_scanlines(&d.info, rows, JDIMENSION(count)) == 0 || d.error.warnings != 0)
            return false;
    }
    jpeg_finish_decompress(&d.info);
    return d.error.warnings == 0;
}

bool ReadSwapped(Decoding& d, int components)
{
    const int width = int(d.info.output_width);
    JSAMPARRAY row = (*d.info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&d.info), JPOOL_IMAGE,
                                                   JDIMENSION(width * components), 1);
    while (d.info.output_scanline < d.info.output_height) {
        const int y = int(d.info.output_scanline);
        if (jpeg_read_scanlines(&d.info, row, 1) != 1 || d.error.warnings != 0)
            return false;
        std::uint8_t* out = d.decoded.Row(y);
        const JSAMPLE* in = row[0];
        for (int x = 0; x < width; ++x, in += components, out += 3) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
        }
    }
    jpeg_finish_decompress(&d.info);
    return d.error.warnings == 0;
}

} // namespace

bool CJpegReader::Load(CDibImage& image, const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    Decoding* d = new Decoding;
    d->file = std::fopen(name.constData(), "rb");
    if (!d->file) {
        delete d;
        return false;
    }
    d->info.err = jpeg_std_error(&d->error.base);
    d->error.base.error_exit = OnFatalError;
    d->error.base.emit_message = OnMessage;
    d->error.base.output_message = Discard;
    volatile bool ok = false;
    if (setjmp(d->error.resume) == 0)
        ok = Decode(*d);
    jpeg_destroy_decompress(&d->info);
    std::fclose(d->file);
    if (ok)
        image = std::move(d->decoded);
    delete d;
    return ok;
}
