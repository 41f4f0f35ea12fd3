/// @file
/// LookupTableLoader: reads a table file whole into a new LookupTable. The first line names the
/// keys (it ends early at a word equal to the one before it); every later line, blank ones
/// included, is a record whose words are the values in key order, missing ones repeating the
/// line's last word. Lines hold at most 65,535 characters: a longer one ends the table there, and
/// is reported with its line number.
///
/// ```
/// std::unique_ptr<LookupTable> fonts = loadLookupTable("data/fonts.data");
/// std::string atlas = fonts->getString(0, "mapfile"); // record 0: the line after the keys
/// int spacing = fonts->getInt(0, "xspace");
/// ```
#pragma once

#include "text/core/LookupTable.h"

#include <memory>
#include <string>

/// A file that cannot be opened is reported in the loaders' check format and gives a table of no
/// keys and no records; so does a file with no line.
std::unique_ptr<LookupTable> loadLookupTable(const std::string& filename);

/// The same over a table's text already in memory; filename names it in reports.
std::unique_ptr<LookupTable> parseLookupTable(const std::string& text, const std::string& filename);
