/* Makes the damaged files that the bad-input run puts in the game's place.
 *
 *   bad_files garbage <bytes> <seed>     the same noise for the same seed
 *   bad_files huge-png <width> <height>  a well-formed PNG header claiming
 *                                        that size, with a few rows of data
 *
 * Both write to standard output. And to judge what the game left behind:
 *
 *   bad_files check-scores <file>        exit 0 and one line per record if
 *                                        the file is six whole records and
 *                                        nothing more, exit 1 otherwise */
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <zlib.h>

static void put32(unsigned char* at, uint32_t value) {
    at[0] = (unsigned char)(value >> 24);
    at[1] = (unsigned char)(value >> 16);
    at[2] = (unsigned char)(value >> 8);
    at[3] = (unsigned char)value;
}

static void chunk(const char* type, const unsigned char* data, uint32_t length) {
    unsigned char head[8];
    put32(head, length);
    memcpy(head + 4, type, 4);
    uLong crc = crc32(0, (const Bytef*)type, 4);
    if (length) crc = crc32(crc, data, length);
    unsigned char tail[4];
    put32(tail, (uint32_t)crc);
    fwrite(head, 1, 8, stdout);
    if (length) fwrite(data, 1, length, stdout);
    fwrite(tail, 1, 4, stdout);
}

static int garbage(unsigned long count, uint64_t seed) {
    uint64_t state = seed * 0x9E3779B97F4A7C15ull + 1;
    for (unsigned long i = 0; i < count; ++i) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        putchar((int)(state & 0xff));
    }
    return 0;
}

static int huge_png(uint32_t width, uint32_t height) {
    static const unsigned char signature[8] = {137, 80, 78, 71, 13, 10, 26, 10};
    fwrite(signature, 1, 8, stdout);
    unsigned char header[13];
    put32(header, width);
    put32(header + 4, height);
    header[8] = 8;  /* bits per channel */
    header[9] = 6;  /* RGBA */
    header[10] = 0; /* deflate */
    header[11] = 0; /* adaptive filters */
    header[12] = 0; /* not interlaced */
    chunk("IHDR", header, sizeof header);
    /* A little real image data (zero bytes, well compressed), far less than
     * the header promises. */
    unsigned char raw[4096] = {0};
    unsigned char packed[1024];
    uLongf packed_size = sizeof packed;
    if (compress(packed, &packed_size, raw, sizeof raw) != Z_OK) return 1;
    chunk("IDAT", packed, (uint32_t)packed_size);
    chunk("IEND", NULL, 0);
    return 0;
}

/* A record: name bytes (never 0, LF or CR), CR LF, 4 bytes little-endian. */
static int check_scores(const char* path) {
    FILE* file = fopen(path, "rb");
    if (!file) {
        printf("cannot open\n");
        return 1;
    }
    for (int record = 1; record <= 6; ++record) {
        long length = 0;
        int c;
        char shown[41];
        while ((c = getc(file)) != EOF && c != 13 && c != 10 && c != 0) {
            if (length < 40) shown[length] = (c >= 32 && c <= 126) ? (char)c : '?';
            ++length;
        }
        shown[length < 40 ? length : 40] = 0;
        if (c != 13 || getc(file) != 10) {
            printf("record %d: no CR LF after the name\n", record);
            fclose(file);
            return 1;
        }
        unsigned char value[4];
        if (fread(value, 1, 4, file) != 4) {
            printf("record %d: value cut short\n", record);
            fclose(file);
            return 1;
        }
        int32_t v = (int32_t)((uint32_t)value[0] | (uint32_t)value[1] << 8 |
                              (uint32_t)value[2] << 16 | (uint32_t)value[3] << 24);
        if (length > 40)
            printf("%s... (%ld bytes) %d\n", shown, length, v);
        else
            printf("%s %d\n", shown, v);
    }
    int extra = getc(file) != EOF;
    fclose(file);
    if (extra) printf("bytes after the sixth record\n");
    return extra;
}

int main(int argc, char** argv) {
    if (argc == 3 && strcmp(argv[1], "check-scores") == 0) return check_scores(argv[2]);
    if (argc == 4 && strcmp(argv[1], "garbage") == 0)
        return garbage(strtoul(argv[2], NULL, 10), strtoull(argv[3], NULL, 10));
    if (argc == 4 && strcmp(argv[1], "huge-png") == 0)
        return huge_png((uint32_t)strtoul(argv[2], NULL, 10), (uint32_t)strtoul(argv[3], NULL, 10));
    fprintf(stderr, "usage: bad_files garbage <bytes> <seed> | huge-png <width> <height> | "
                    "check-scores <file>\n");
    return 2;
}
