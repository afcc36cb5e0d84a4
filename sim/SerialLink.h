#pragma once

#include <string>

namespace sim {

// Announces the simulator's pseudo-terminal to Tagwell: a symbolic link to the terminal in a
// folder where Tagwell looks for serial ports. The link goes when this object does.
class SerialLink {
public:
    SerialLink() = default;
    ~SerialLink() { Remove(); }
    SerialLink(const SerialLink&) = delete;
    SerialLink& operator=(const SerialLink&) = delete;

    // The folder Tagwell searches, in the user's runtime folder.
    static std::string DefaultFolder();
    // "<DefaultFolder>/sim-<pid>": one link per running simulator.
    static std::string DefaultPath();

    // Creates the link's folder (mode 0700) when it is missing and the link itself. An existing
    // link at that path (left by a simulator that was killed) is replaced; any other file is not
    // touched. False with `error` set when it fails.
    bool Create(const std::string& linkPath, const std::string& linkTarget, std::string& error);
    // Removes the link, unless someone has made it point elsewhere since.
    void Remove();

    std::string Path() const { return path_; }

private:
    std::string path_;
    std::string target_;
};

}  // namespace sim
