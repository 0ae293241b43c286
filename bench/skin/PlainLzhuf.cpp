#include "PlainLzhuf.h"

namespace plainlzhuf {

namespace {

#define N 4096
#define F 60
#define THRESHOLD 2
#define N_CHAR (256 - THRESHOLD + F)
#define T (N_CHAR * 2 - 1)
#define R (T - 1)
#define MAX_FREQ 0x8000

unsigned char text_buf[N + F - 1];
unsigned short freq[T + 1];
short prnt[T + N_CHAR];
short son[T];
unsigned char d_code[256];
unsigned char d_len[256];

unsigned short getbuf;
unsigned char getlen;
const unsigned char* infile;
const unsigned char* infile_end;
unsigned char* outfile;

int GetcIn(void) {
    return infile < infile_end ? *infile++ : -1;
}

int GetBit(void) {
    int i;
    while (getlen <= 8) {
        if ((i = GetcIn()) < 0)
            i = 0;
        getbuf |= i << (8 - getlen);
        getlen += 8;
    }
    i = getbuf;
    getbuf <<= 1;
    getlen--;
    return (i & 0x8000) ? 1 : 0;
}

int GetByte(void) {
    unsigned i;
    while (getlen <= 8) {
        int c;
        if ((c = GetcIn()) < 0)
            c = 0;
        getbuf |= c << (8 - getlen);
        getlen += 8;
    }
    i = getbuf;
    getbuf <<= 8;
    getlen -= 8;
    return (int)(i >> 8);
}

void MakeTables(void) {
    static const int counts[6] = {1, 3, 8, 12, 24, 16};
    static const int per[6] = {32, 16, 8, 4, 2, 1};
    int b = 0, code = 0;
    for (int row = 0; row < 6; row++)
        for (int c = 0; c < counts[row]; c++, code++)
            for (int k = 0; k < per[row]; k++, b++) {
                d_code[b] = (unsigned char)code;
                d_len[b] = (unsigned char)(row + 3);
            }
}

void StartHuff(void) {
    int i, j;
    for (i = 0; i < N_CHAR; i++) {
        freq[i] = 1;
        son[i] = i + T;
        prnt[i + T] = i;
    }
    i = 0;
    j = N_CHAR;
    while (j <= R) {
        freq[j] = freq[i] + freq[i + 1];
        son[j] = i;
        prnt[i] = prnt[i + 1] = j;
        i += 2;
        j++;
    }
    freq[T] = 0xffff;
    prnt[R] = 0;
}

void Reconst(void) {
    int i, j, k;
    unsigned f, l;
    j = 0;
    for (i = 0; i < T; i++) {
        if (son[i] >= T) {
            freq[j] = (freq[i] + 1) / 2;
            son[j] = son[i];
            j++;
        }
    }
    for (i = 0, j = N_CHAR; j < T; i += 2, j++) {
        k = i + 1;
        f = freq[j] = freq[i] + freq[k];
        for (k = j - 1; f < freq[k]; k--)
            ;
        k++;
        l = (j - k) * 2;
        for (unsigned m = l / 2; m > 0; m--) {
            freq[k + m] = freq[k + m - 1];
            son[k + m] = son[k + m - 1];
        }
        freq[k] = f;
        son[k] = i;
    }
    for (i = 0; i < T; i++) {
        if ((k = son[i]) >= T) {
            prnt[k] = i;
        } else {
            prnt[k] = prnt[k + 1] = i;
        }
    }
}

void Update(int c) {
    int i, j, k, l;
    if (freq[R] == MAX_FREQ)
        Reconst();
    c = prnt[c + T];
    do {
        k = ++freq[c];
        if ((unsigned)k > freq[l = c + 1]) {
            while ((unsigned)k > freq[++l])
                ;
            l--;
            freq[c] = freq[l];
            freq[l] = k;
            i = son[c];
            prnt[i] = l;
            if (i < T)
                prnt[i + 1] = l;
            j = son[l];
            son[l] = i;
            prnt[j] = c;
            if (j < T)
                prnt[j + 1] = c;
            son[c] = j;
            c = l;
        }
    } while ((c = prnt[c]) != 0);
}

int DecodeChar(void) {
    unsigned c;
    c = son[R];
    while (c < T) {
        c += GetBit();
        c = son[c];
    }
    c -= T;
    Update(c);
    return (int)c;
}

int DecodePosition(void) {
    unsigned i, j, c;
    i = GetByte();
    c = (unsigned)d_code[i] << 6;
    j = d_len[i];
    j -= 2;
    while (j--) {
        i = (i << 1) + GetBit();
    }
    return (int)(c | (i & 0x3f));
}

} // namespace

void Decode(const std::uint8_t* in, std::size_t inSize, std::uint8_t* out, long textsize) {
    int i, j, k, r, c;
    long count;
    infile = in;
    infile_end = in + inSize;
    outfile = out;
    getbuf = 0;
    getlen = 0;
    MakeTables();
    StartHuff();
    for (i = 0; i < N - F; i++)
        text_buf[i] = ' ';
    for (; i < N + F - 1; i++)
        text_buf[i] = 0;
    r = N - F;
    for (count = 0; count < textsize;) {
        c = DecodeChar();
        if (c < 256) {
            *outfile++ = (unsigned char)c;
            text_buf[r++] = (unsigned char)c;
            r &= (N - 1);
            count++;
        } else {
            i = (r - DecodePosition() - 1) & (N - 1);
            j = c - 255 + THRESHOLD;
            for (k = 0; k < j; k++) {
                c = text_buf[(i + k) & (N - 1)];
                *outfile++ = (unsigned char)c;
                text_buf[r++] = (unsigned char)c;
                r &= (N - 1);
                count++;
            }
        }
    }
}

} // namespace plainlzhuf
