/// @file
/// LookupTable: a table file held in memory: string values by record number and key, read back
/// as strings, integers or single-precision numbers, for a given record, a random record, or the
/// record after the last one queried. Every value query moves the cursor to what it read.
/// Queries outside the table answer the empty string (so 0 for the numeric forms).
///
/// ```
/// std::unique_ptr<LookupTable> table = loadLookupTable("data/fonts.data");
/// for (int32_t record = 0; record < table->recordCount(); ++record) {
///     std::printf("%s\n", table->getString(record, "mapfile").c_str());
/// }
/// ```
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class LookupTable {
  public:
    /// keys: the key names in header order; values: for each key, one value per record.
    LookupTable(int32_t keycount, int32_t recordcount, std::vector<std::string> keys,
                std::vector<std::vector<std::string>> values);

    std::string getString(int32_t record, int32_t key);
    std::string getString(int32_t record, std::string keyname);
    std::string getRandomString(int32_t key);
    std::string getRandomString(std::string keyname);
    std::string getNextString();

    int getInt(int32_t record, int32_t key);
    int getInt(int32_t record, std::string keyname);
    int getRandomInt(int32_t key);
    int getRandomInt(std::string keyname);
    int getNextInt();

    float getFloat(int32_t record, int32_t key);
    float getFloat(int32_t record, std::string keyname);
    float getRandomFloat(int32_t key);
    float getRandomFloat(std::string keyname);
    float getNextFloat();

    int32_t recordCount() const { return m_recordcount; }
    int32_t keyCount() const { return m_keycount; }
    /// The name of key number key (in header order); "" outside the header.
    std::string keyName(int32_t key) const;
    /// The first key of that exact name, or -1.
    int32_t keyIndex(std::string keyname) const;

  private:
    std::vector<std::string> m_keys;
    std::vector<std::vector<std::string>> m_values; // [key][record]
    int32_t m_currentrecord = 0;
    int32_t m_currentkey = 0;
    int32_t m_recordcount;
    int32_t m_keycount;
};
