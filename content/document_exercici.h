// An exercise file as the records the reader takes from it, for the editor and
// the tools that write exercises back: each record with the comments written
// before it, the comments after the last one, and how the file was encoded.
// A file read and written again holds the same records, in the same order,
// with the same labels (records the reader skips stay where they were); a
// file this writer wrote comes back byte for byte.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

struct registre_document {
    // Comment items ("#" first) that the file had before this record.
    std::vector<std::string> comentaris;
    // The record as the reader gives it: label, TAB, value (the quotes that
    // delimited it are not part of it).
    std::string text;
};

struct document_exercici {
    std::vector<registre_document> registres;
    std::vector<std::string> comentaris_finals;
    // The file's own encoding: UTF-8 (with or without a byte order mark) or
    // Windows-1252. New files are UTF-8.
    bool utf8 = true;
    bool bom = false;
    // The line end the file used first: "\r\n", "\n" or "\r".
    std::string final_linia = "\r\n";
};

// The records of a file's bytes, read the way the exercise reader reads them.
document_exercici document_llegir(std::string_view bytes);

// The file's bytes. A record that holds a comma, a line end, or blanks or a
// double quote at its ends is written between double quotes; one that also
// holds a double quote cannot be delimited, and has its double quotes written
// as single quotes (registre_representable tells such records beforehand). A
// Windows-1252 file whose bytes would read as UTF-8 is written as UTF-8, so
// that it reads back the same.
std::string document_escriure(const document_exercici& d);

// The line of the written file each record starts on, counted from 1 as the
// reader counts them (for findings, which name lines).
std::vector<std::size_t> linies_registres(const document_exercici& d);

// True when the record comes back from document_escriure unchanged.
bool registre_representable(std::string_view text);

// The label of a record (before its first TAB) and its value (after it; empty
// when the record has no TAB).
std::string_view etiqueta_de(std::string_view registre);
std::string_view valor_de(std::string_view registre);

// A record made of a label and a value.
std::string registre_compondre(std::string_view etiqueta, std::string_view valor);

} // namespace quorvel
