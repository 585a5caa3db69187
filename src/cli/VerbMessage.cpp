// qav message read [--port P] [-o FILE.json]: the radio's four embedded
// messages as JSON ({"messages": [four texts]}), into FILE or on stdout.
// qav message write [--port P] [--message-password TEXT] FILE.json: writes
// the four messages of FILE to the radio. The radio's own message password
// and second text are kept: the record is read first, and a message
// password set there must be given. A message longer than 32 characters is
// cut; a character the radio cannot show (outside the one-byte Latin-1
// range it holds) is refused.
#include "cli/CliContext.h"
#include "cli/RadioCli.h"
#include "cli/TextOut.h"
#include "cli/VerbKit.h"
#include "cli/Verbs.h"
#include "link/TuningSessions.h"
#include "model/EmbeddedMessageRecord.h"
#include "settings/TextIds.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <fstream>
#include <optional>

namespace {

using namespace EmbeddedMessageField;
using RecordBytes = std::uint8_t[kSize];

struct MessageOptions {
    RadioOptions radio;
    std::string file;
    std::string messagePassword;
};

// One byte a character, as the radio keeps it: never programmed (0xFF) or
// up to the first zero byte, trailing blanks dropped.
std::string fieldLatin1(const RecordBytes& r, Offset off, std::size_t len)
{
    if (r[off] == 0xFF) return {};
    std::string s(reinterpret_cast<const char*>(r + off), len);
    s = s.substr(0, s.find('\0'));
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

std::string latin1ToUtf8(const std::string& in)
{
    std::string out;
    for (unsigned char c : in) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

bool showable(std::uint32_t cp) { return (cp >= 0x20 && cp < 0x7F) || (cp >= 0xA0 && cp <= 0xFF); }

// The message as the radio's bytes; nullopt (with the reason) for a
// character it cannot hold. nlohmann has checked the UTF-8 already.
std::optional<std::string> utf8ToLatin1(const std::string& in, std::string& why)
{
    std::string out;
    for (std::size_t i = 0; i < in.size();) {
        const auto c = static_cast<unsigned char>(in[i]);
        std::uint32_t cp = c;
        std::size_t n = 1;
        if (c >= 0xF0) cp = c & 0x07, n = 4;
        else if (c >= 0xE0) cp = c & 0x0F, n = 3;
        else if (c >= 0xC0) cp = c & 0x1F, n = 2;
        for (std::size_t k = 1; k < n && i + k < in.size(); ++k) cp = (cp << 6) | (static_cast<unsigned char>(in[i + k]) & 0x3F);
        i += n;
        if (!showable(cp)) {
            char buf[16];
            std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(cp));
            why = std::string("the radio cannot show character ") + buf;
            return std::nullopt;
        }
        out += static_cast<char>(cp);
    }
    return out;
}

bool readRecord(RadioCliSession& session, const std::string& verb, RecordBytes& record)
{
    SessionContext& sc = session.context();
    CRadioLink link(sc.ports, sc.timing);
    bool rangeChanged = false;
    const TransferResult r = readEmbeddedMessages(link, sc, record, rangeChanged);
    session.endProgress();
    return session.check(verb, r.outcome);
}

void runRead(CliContext& ctx, const MessageOptions& opt)
{
    const std::string verb = "message read";
    RadioCliSession session(ctx, opt.radio);
    if (!session.ready(verb)) return;
    RecordBytes record{};
    if (!readRecord(session, verb, record)) return;
    nlohmann::ordered_json doc;
    doc["messages"] = nlohmann::ordered_json::array();
    for (int k = 0; k < kMessageCount; ++k) doc["messages"].push_back(latin1ToUtf8(fieldLatin1(record, message(k), kMessageLength)));
    if (opt.file.empty()) {
        ctx.out << doc.dump(2) << '\n';
        return;
    }
    std::ofstream out(opt.file, std::ios::binary | std::ios::trunc);
    out << doc.dump(2) << '\n';
    out.close();
    if (!out) {
        ctx.fail(verb, "cannot write " + printable(opt.file));
        return;
    }
    ctx.out << "read the embedded messages on port " << printable(session.context().port) << " into "
            << printable(opt.file) << '\n';
}

// The four messages of the file, as the radio's bytes cut to their field.
std::optional<std::array<std::string, kMessageCount>> loadMessages(CliContext& ctx, const std::string& verb,
                                                                   const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        ctx.fail(verb, "cannot read " + printable(path));
        return std::nullopt;
    }
    const nlohmann::json doc = nlohmann::json::parse(in, nullptr, false);
    const bool shaped = doc.is_object() && doc.contains("messages") && doc["messages"].is_array() &&
                        doc["messages"].size() == kMessageCount &&
                        std::all_of(doc["messages"].begin(), doc["messages"].end(), [](const auto& m) { return m.is_string(); });
    if (!shaped) {
        ctx.fail(verb, printable(path) + ": expected {\"messages\": [four texts]}");
        return std::nullopt;
    }
    std::array<std::string, kMessageCount> out;
    for (int k = 0; k < kMessageCount; ++k) {
        std::string why;
        auto bytes = utf8ToLatin1(doc["messages"][static_cast<std::size_t>(k)].get<std::string>(), why);
        if (!bytes) {
            ctx.fail(verb, printable(path) + ": message " + std::to_string(k + 1) + ": " + why);
            return std::nullopt;
        }
        out[static_cast<std::size_t>(k)] = bytes->substr(0, kMessageLength);
    }
    return out;
}

void runWrite(CliContext& ctx, const MessageOptions& opt)
{
    const std::string verb = "message write";
    const auto messages = loadMessages(ctx, verb, opt.file);
    if (!messages) return;
    RadioCliSession session(ctx, opt.radio);
    if (!session.ready(verb)) return;
    RecordBytes record{};
    if (!readRecord(session, verb, record)) return;
    // The messages are guarded by the radio's message password.
    const std::string password = fieldLatin1(record, Password, kShortLength);
    if (!password.empty() && opt.messagePassword != password) {
        session.check(verb, Outcome::failure(MsgId::kRadioWrongPassword));
        return;
    }
    for (int k = 0; k < kMessageCount; ++k) {
        const std::string& m = (*messages)[static_cast<std::size_t>(k)];
        std::fill_n(record + message(k), kMessageLength, std::uint8_t{' '});
        std::copy(m.begin(), m.end(), record + message(k));
    }
    SessionContext& sc = session.context();
    CRadioLink link(sc.ports, sc.timing);
    bool rangeChanged = false;
    const TransferResult r = writeEmbeddedMessages(link, sc, record, rangeChanged);
    session.endProgress();
    if (!session.check(verb, r.outcome)) return;
    ctx.out << "wrote the embedded messages of " << printable(opt.file) << " on port " << printable(sc.port) << '\n';
}

}  // namespace

void addMessageVerb(CLI::App& app, CliContext& ctx)
{
    CLI::App* message = app.add_subcommand("message", "read or write the radio's embedded messages (JSON)");
    message->require_subcommand(1);
    addVerb<MessageOptions>(
        *message, ctx, "read", "read the four embedded messages from the radio",
        [](CLI::App& sub, MessageOptions& o) {
            sub.add_option("-o,--output", o.file, "JSON file to write (default: standard output)");
            addRadioOptions(sub, o.radio);
        },
        runRead);
    addVerb<MessageOptions>(
        *message, ctx, "write", "write the four embedded messages of a JSON file to the radio",
        [](CLI::App& sub, MessageOptions& o) {
            sub.add_option("FILE", o.file, "JSON file: {\"messages\": [four texts]}")->required();
            sub.add_option("--message-password", o.messagePassword, "the radio's message password, when it has one");
            addRadioOptions(sub, o.radio);
        },
        runWrite);
}
