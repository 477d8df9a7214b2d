#include "sound/OutputLine.h"

#include <arpa/inet.h>

#include <charconv>
#include <regex>

namespace tollix::sound {

namespace {

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") + 1 - first);
}

// The first '|' outside quotes: a command run by "sh -c" may hold pipes of its own.
std::size_t barOutsideQuotes(const std::string& text) {
    char quote = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == '|') {
            return i;
        }
    }
    return std::string::npos;
}

bool number(const std::string& text, int low, int high, int& value) {
    const char* end = text.data() + text.size();
    const auto [at, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && at == end && value >= low && value <= high;
}

bool multicastGroup(const std::string& text) {
    in_addr address{};
    return inet_pton(AF_INET, text.c_str(), &address) == 1 &&
           (ntohl(address.s_addr) >> 28) == 0xE;  // 224.0.0.0/4
}

OutputLine unusable(std::string why) {
    OutputLine line;
    line.kind = OutputLine::Kind::Unusable;
    line.problem = std::move(why);
    return line;
}

OutputLine parseRelay(const std::string& rest) {
    OutputLine line;
    line.kind = OutputLine::Kind::Relay;
    std::string text = rest;
    static const std::regex hold(R"(;\s*hold\s*=\s*(\d{1,5})\s*$)");
    std::smatch match;
    if (std::regex_search(text, match, hold)) {
        if (!number(match[1].str(), 1, 3600, line.relay.holdSeconds))
            return unusable("hold is not 1 to 3600 seconds");
        text = text.substr(0, static_cast<std::size_t>(match.position(0)));
    }
    const std::size_t bar = barOutsideQuotes(text);
    if (bar == std::string::npos)
        return unusable("no OFF command after '|'");
    line.relay.on = trimmed(text.substr(0, bar));
    line.relay.off = trimmed(text.substr(bar + 1));
    if (line.relay.on.empty() || line.relay.off.empty())
        return unusable("an empty command");
    return line;
}

OutputLine parseStream(const std::string& rest) {
    OutputLine line;
    line.kind = OutputLine::Kind::Stream;
    StreamLine& stream = line.stream;
    const std::size_t query = rest.find('?');
    const std::string where = rest.substr(0, query);
    const std::size_t colon = where.rfind(':');
    if (colon == std::string::npos)
        return unusable("no port");
    stream.group = where.substr(0, colon);
    if (!multicastGroup(stream.group))
        return unusable("not a multicast group (224.0.0.0 to 239.255.255.255)");
    if (!number(where.substr(colon + 1), 1, 65535, stream.port))
        return unusable("the port is not 1 to 65535");
    std::string options = query == std::string::npos ? std::string() : rest.substr(query + 1);
    while (!options.empty()) {
        const std::size_t amp = options.find('&');
        const std::string option = options.substr(0, amp);
        options = amp == std::string::npos ? std::string() : options.substr(amp + 1);
        const std::size_t equals = option.find('=');
        const std::string key = option.substr(0, equals);
        const std::string value = equals == std::string::npos ? "" : option.substr(equals + 1);
        if (key == "ttl") {
            if (!number(value, 0, 255, stream.ttl))
                return unusable("ttl is not 0 to 255");
        } else if (key == "codec") {
            if (value != "pcma" && value != "pcmu")
                return unusable("codec is neither pcmu nor pcma");
            stream.alaw = value == "pcma";
        } else if (key == "iface" && !value.empty()) {
            stream.iface = value;
        } else {
            return unusable("unknown option " + key);
        }
    }
    return line;
}

}  // namespace

OutputLine parseOutputLine(const std::string& text) {
    const std::string line = trimmed(text);
    if (line.starts_with("relay:"))
        return parseRelay(line.substr(6));
    if (line.starts_with("rtp://"))
        return parseStream(line.substr(6));
    return {};
}

std::string makeRelayLine(const std::string& on, const std::string& off, int holdSeconds,
                          std::string& problem) {
    std::string line = "relay: " + trimmed(on) + " | " + trimmed(off);
    if (holdSeconds > 0)
        line += " ; hold=" + std::to_string(holdSeconds);
    const OutputLine parsed = parseOutputLine(line);
    problem = parsed.problem;
    // What it reads back must be what was typed: a '|' inside the ON command would move it.
    if (problem.empty() && (parsed.relay.on != trimmed(on) || parsed.relay.off != trimmed(off)))
        problem = "a '|' outside quotes in the ON command";
    return problem.empty() ? line : std::string();
}

std::string makeStreamLine(const std::string& group, int port, std::string& problem) {
    const std::string line = "rtp://" + trimmed(group) + ":" + std::to_string(port);
    problem = parseOutputLine(line).problem;
    return problem.empty() ? line : std::string();
}

}  // namespace tollix::sound
