/// @file
/// ErrorTable: how a unit lists the ways it can fail, once. An X-macro of (identifier, text) pairs
/// gives both an enum and the texts, so an identifier and the words users see never drift apart;
/// callers and tests act on the identifier, and print its text.
///
/// ```
/// #define MUSIC_ERRORS(X) X(FileNotFound, "File not found") X(UnknownFormat, "...")
/// INTRO_ERROR_TABLE(MusicError, MUSIC_ERRORS)
/// ```
///
/// declares `enum class MusicError { None, FileNotFound, UnknownFormat }` and
/// `const char* errorText(MusicError)`, which gives "" for None.
#pragma once

#define INTRO_ERROR_IDENTIFIER(identifier, text) identifier,
#define INTRO_ERROR_TEXT(identifier, text) text,
#define INTRO_ERROR_TABLE(Type, LIST)                                                              \
    enum class Type { None, LIST(INTRO_ERROR_IDENTIFIER) };                                        \
    inline const char* errorText(Type error) {                                                     \
        static const char* const texts[] = {"", LIST(INTRO_ERROR_TEXT)};                           \
        return texts[static_cast<int>(error)];                                                     \
    }
