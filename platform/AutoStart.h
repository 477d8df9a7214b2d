#pragma once

#include <filesystem>
#include <string>

namespace tollix {

// Starting the program when the operator logs on.
class AutoStart {
  public:
    virtual ~AutoStart() = default;
    // Creates or rewrites the start entry for `executable`. Empty on success,
    // otherwise what went wrong.
    virtual std::string write(const std::string& executable) = 0;
    // Removes the entry; nothing to do when there is none.
    virtual std::string remove() = 0;
};

// The XDG autostart entry "tollix.desktop" in $XDG_CONFIG_HOME/autostart
// (~/.config/autostart), which every desktop starts at log-on.
class XdgAutoStart final : public AutoStart {
  public:
    explicit XdgAutoStart(std::filesystem::path folder = defaultFolder());
    static std::filesystem::path defaultFolder();
    std::filesystem::path file() const { return folder_ / "tollix.desktop"; }

    std::string write(const std::string& executable) override;
    std::string remove() override;

    // The entry's text for `executable`.
    static std::string entry(const std::string& executable);
    // `executable` as the Exec key holds it: quoted where the desktop entry
    // rules ask for quotes, escaped for a string value.
    static std::string execValue(const std::string& executable);

  private:
    std::filesystem::path folder_;
};

}  // namespace tollix
