/// @file
/// DataFolder: where the data files are. Programs name them as "data/<file>"; the folder chosen
/// takes the place of "data": one given on the command line, else "data" in the working
/// directory, else the one beside the program (a build tree's), else the installed one.
///
/// ```
/// const afterglow::DataFolder data("/usr/share/games/afterglow");
/// const std::string table = data.path("data/fonts.data"); // /usr/share/games/afterglow/fonts.data
/// ```
#pragma once

#include <string>
#include <vector>

namespace afterglow {

class DataFolder {
  public:
    /// An empty folder is the default, "data".
    explicit DataFolder(std::string folder = "data")
        : m_folder(folder.empty() ? std::string("data") : std::move(folder)) {}

    /// The path to open for a data file named "data/<file>"; other names are returned unchanged.
    std::string path(const std::string& name) const;
    const std::string& folder() const { return m_folder; }

  private:
    std::string m_folder;
};

/// Chooses the folder: given when it is not empty; else the first of "data" in the working
/// directory and then those given (beside the program, installed) that holds the file named marker
/// ("data/<file>", the soundtrack), so that an unrelated folder called data is passed over. tried
/// lists each folder looked at, with why it was passed over. False when none would do: the folder
/// is then "data", where loads fail with their usual reports.
bool chooseDataFolder(const std::string& given, const std::vector<std::string>& installed,
                      const std::string& marker, DataFolder& chosen,
                      std::vector<std::string>& tried);

/// The folders tried, as one line: "data (no vorn.mp3), /usr/share/games/afterglow".
std::string joinFolders(const std::vector<std::string>& folders);

} // namespace afterglow
