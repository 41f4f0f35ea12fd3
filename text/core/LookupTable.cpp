#include "text/core/LookupTable.h"

#include <cstdlib>
#include <utility>

LookupTable::LookupTable(int32_t keycount, int32_t recordcount, std::vector<std::string> keys,
                         std::vector<std::vector<std::string>> values)
    : m_keys(std::move(keys)), m_values(std::move(values)), m_recordcount(recordcount),
      m_keycount(keycount) {}

std::string LookupTable::getString(int32_t record, int32_t key) {
    m_currentrecord = record;
    m_currentkey = key;
    if (record < 0 || record >= m_recordcount || key < 0 || key >= m_keycount) {
        return "";
    }
    return m_values[static_cast<size_t>(key)][static_cast<size_t>(record)];
}

std::string LookupTable::keyName(int32_t key) const {
    return key >= 0 && key < static_cast<int32_t>(m_keys.size()) ? m_keys[static_cast<size_t>(key)]
                                                                 : "";
}

std::string LookupTable::getString(int32_t record, std::string keyname) {
    return getString(record, keyIndex(std::move(keyname)));
}

std::string LookupTable::getRandomString(int32_t key) {
    // The draw is made even for an empty table, so that the sequence stays the same.
    int draw = std::rand();
    return m_recordcount > 0 ? getString(draw % m_recordcount, key) : "";
}

std::string LookupTable::getRandomString(std::string keyname) {
    int draw = std::rand();
    return m_recordcount > 0 ? getString(draw % m_recordcount, keyIndex(std::move(keyname))) : "";
}

std::string LookupTable::getNextString() {
    // Past the largest record the cursor stays put rather than wrap around to negative records.
    if (m_currentrecord < INT32_MAX) {
        ++m_currentrecord;
    }
    return getString(m_currentrecord, m_currentkey);
}

int LookupTable::getInt(int32_t record, int32_t key) {
    return std::atoi(getString(record, key).c_str());
}
int LookupTable::getInt(int32_t record, std::string keyname) {
    return std::atoi(getString(record, std::move(keyname)).c_str());
}
int LookupTable::getRandomInt(int32_t key) {
    return std::atoi(getRandomString(key).c_str());
}
int LookupTable::getRandomInt(std::string keyname) {
    return std::atoi(getRandomString(std::move(keyname)).c_str());
}
int LookupTable::getNextInt() {
    return std::atoi(getNextString().c_str());
}

float LookupTable::getFloat(int32_t record, int32_t key) {
    return static_cast<float>(std::atof(getString(record, key).c_str()));
}
float LookupTable::getFloat(int32_t record, std::string keyname) {
    return static_cast<float>(std::atof(getString(record, std::move(keyname)).c_str()));
}
float LookupTable::getRandomFloat(int32_t key) {
    return static_cast<float>(std::atof(getRandomString(key).c_str()));
}
float LookupTable::getRandomFloat(std::string keyname) {
    return static_cast<float>(std::atof(getRandomString(std::move(keyname)).c_str()));
}
float LookupTable::getNextFloat() {
    return static_cast<float>(std::atof(getNextString().c_str()));
}

int32_t LookupTable::keyIndex(std::string keyname) const {
    for (int32_t k = 0; k < m_keycount; ++k) {
        if (m_keys[static_cast<size_t>(k)] == keyname) {
            return k;
        }
    }
    return -1;
}
