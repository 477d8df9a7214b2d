#pragma once

#include <string>
#include <vector>

namespace tollix {

// The media player that sounds one file at a time: a file name, "open",
// "play", "close", and the length of the open media.
class MediaPlayer {
  public:
    virtual ~MediaPlayer() = default;
    virtual void setFileName(const std::string& path) = 0;
    // The outputs the next "open" plays on, by the sound server's names, all
    // at once; empty: the default output.
    virtual void setOutputs(const std::vector<std::string>& sinks) { (void)sinks; }
    // Loads the file paused, so that its length is known at once. False when
    // it cannot be played (missing, unreadable, not audio); nothing is open then.
    virtual bool open() = 0;
    virtual void play() = 0;
    // While on, a "play" keeps every relay on for its whole sound, whatever
    // its hold: an emergency signal. A player without relays ignores it.
    virtual void holdThroughSound(bool on) { (void)on; }
    // Loads `path` paused ahead of its bell, so that opening it then takes no
    // time; for when nothing sounds. A player that cannot simply ignores it.
    virtual void warm(const std::string& path) { (void)path; }
    virtual void close() = 0;
    // Ends every output now, one kept on past the sound included (a relay's
    // hold): "Stop Bell", the way out.
    virtual void stopAll() { close(); }
    // Tries one output of output.ini alone that is not a sink (a relay
    // switched on a moment, `path` sent to a stream). False when it cannot.
    virtual bool testOutput(const std::string& line, const std::string& path) {
        (void)line;
        (void)path;
        return false;
    }
    // Length of the open media in whole milliseconds; 0 when nothing is open.
    virtual long length() const = 0;

    enum class Output {
        Silent,      // nothing has played since "play"
        Starting,    // asked to play, its sound still on the way (loading, buffering)
        Playing,     // sound went to the sound server (or the file already ended)
        NullOutput,  // it plays, but to no device at all
    };
    // What the file given to "play" has done so far.
    virtual Output output() = 0;
};

}  // namespace tollix
