// Decodes one file of codes into one Shift-JIS text file.
#ifndef MOJIROLL_DECODER_DECODER_H_
#define MOJIROLL_DECODER_DECODER_H_

// Decodes the source file into the destination file, which is created or replaced; `multi_byte`
// is 0 for the single-byte format and any other value for the multi-byte format. Gives 1 when the
// whole source was read and the whole text written and closed. Gives 0, and prints nothing, when a
// name is null or empty, the two names are one file, there is no memory for the buffers, the
// source cannot be opened or read, or the destination cannot be opened, written or closed. Until
// the first block of the source has been read the destination is neither created nor truncated.
int decode_file(const char* source_name, const char* destination_name, int multi_byte);

#endif  // MOJIROLL_DECODER_DECODER_H_
