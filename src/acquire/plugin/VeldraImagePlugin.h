/*
 * Image plug-ins for Veldra2.
 *
 * A plug-in is a shared object named "*.spi" in the program's plug-in
 * folder, exporting three C functions. The program loads every "*.spi" of
 * the folder when neither its JPEG nor its bitmap reader accepts a file,
 * asks them in the folder's order, and the first plug-in that supports the
 * file decides the result.
 *
 * GetPluginInfo(0, buffer, 8)
 *     Writes the zero-terminated text "00IN" (an import filter) and returns
 *     the number of characters written (greater than 0). Anything else and
 *     the plug-in is not used.
 *
 * GetPluginInfo(2 * k + 2, buffer, length), GetPluginInfo(2 * k + 3, ...)
 *     Optional. The k-th kind of file the plug-in reads: its file name
 *     patterns separated by ';' ("*.png;*.apng") and its description
 *     ("PNG picture"), zero-terminated, cut to the buffer. Returns the
 *     number of characters written, 0 past the last kind. The program's
 *     open dialog offers these files.
 *
 * IsSupported(path, head)
 *     path: the file's full path (UTF-8). head: 2048 bytes holding the
 *     start of the file, zero-padded when the file is shorter. Returns
 *     non-zero when the plug-in can read the file.
 *
 * GetPicture(path, 0, 0, &info, &bits, NULL, 0)
 *     Decodes the file. On success returns 0 and sets two blocks allocated
 *     with malloc, which the program releases with free:
 *       info: a 40-byte BITMAPINFOHEADER (little-endian: size 40, width,
 *             height (positive: rows bottom-up, negative: top-down),
 *             planes 1, bit count 1/4/8/16/24/32, compression 0 or 3,
 *             then zeros) followed by the colour table (4 bytes B,G,R,0 per
 *             entry, 2^bitcount entries up to 8 bits) and, for compression
 *             3, the red, green and blue masks;
 *       bits: the pixel rows, each padded to a multiple of 4 bytes.
 *     Transparency travels as a colour: a pixel of exactly red 1, green 0,
 *     blue 0 is transparent on the plate, so a plug-in writes that colour
 *     for the pixels that are less than half opaque and red 1, green 0,
 *     blue 1 for an opaque pixel of that very colour.
 *     The program checks both blocks against their allocated sizes and
 *     refuses a header that claims more than they hold. Any other result
 *     is a failure, and the blocks (if set) are freed.
 *
 * Plug-ins run inside the program: a plug-in that crashes takes the
 * program with it.
 */
#ifndef VELDRA_IMAGE_PLUGIN_H
#define VELDRA_IMAGE_PLUGIN_H

#ifdef __cplusplus
extern "C" {
#endif

typedef int (*VeldraProgressCallback)(int done, int total, long data);

int GetPluginInfo(int infoNumber, char* buffer, int bufferLength);
int IsSupported(const char* path, void* head);
int GetPicture(const char* path, long offset, unsigned int flags, void** info, void** bits,
               VeldraProgressCallback progress, long data);

#ifdef __cplusplus
}
#endif

#endif
