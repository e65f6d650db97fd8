// A plain decoder that takes one code at a time straight from the code tables, written apart from
// the block decoder so that the tests and the fuzzer can hold the two against each other.
#ifndef MOJIROLL_TESTS_PLAIN_DECODER_H_
#define MOJIROLL_TESTS_PLAIN_DECODER_H_

#include <cstddef>
#include <string>

// The text of the codes in [codes, codes + size): the single-byte format when `multi_byte` is 0,
// else the multi-byte format.
std::string decode_one_code_at_a_time(int multi_byte, const unsigned char* codes, std::size_t size);

#endif  // MOJIROLL_TESTS_PLAIN_DECODER_H_
