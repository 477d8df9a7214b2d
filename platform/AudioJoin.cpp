#include "platform/AudioJoin.h"

#include <gst/gst.h>

#include <memory>

namespace tollix {

namespace {

// Both parts in the one format, so that concat may follow one with the other.
constexpr char kPipeline[] =
    "concat name=joined ! audioconvert ! wavenc ! filesink name=out "
    "filesrc name=first ! decodebin ! audioconvert ! audioresample ! "
    "audio/x-raw,format=S16LE,rate=44100,channels=2 ! joined. "
    "filesrc name=second ! decodebin ! audioconvert ! audioresample ! "
    "audio/x-raw,format=S16LE,rate=44100,channels=2 ! joined.";

constexpr GstClockTime kLongest = 60'000'000'000;  // ns

struct Unref {
    void operator()(GstElement* e) const { gst_object_unref(e); }
    void operator()(GstBus* b) const { gst_object_unref(b); }
    void operator()(GstMessage* m) const { gst_message_unref(m); }
};

void setLocation(GstElement* pipeline, const char* name, const std::filesystem::path& file) {
    std::unique_ptr<GstElement, Unref> element(
        gst_bin_get_by_name(reinterpret_cast<GstBin*>(pipeline), name));
    g_object_set(element.get(), "location", file.c_str(), nullptr);
}

}  // namespace

std::string joinAudio(const std::filesystem::path& first, const std::filesystem::path& second,
                      const std::filesystem::path& out) {
    GError* error = nullptr;
    if (!gst_init_check(nullptr, nullptr, &error)) {
        std::string why = error ? error->message : "GStreamer could not start";
        g_clear_error(&error);
        return why;
    }
    std::unique_ptr<GstElement, Unref> pipeline(gst_parse_launch(kPipeline, &error));
    if (error) {
        std::string why = std::string("GStreamer lacks a part: ") + error->message;
        g_clear_error(&error);
        return why;
    }
    setLocation(pipeline.get(), "first", first);
    setLocation(pipeline.get(), "second", second);
    setLocation(pipeline.get(), "out", out);
    gst_element_set_state(pipeline.get(), GST_STATE_PLAYING);
    std::unique_ptr<GstBus, Unref> bus(gst_element_get_bus(pipeline.get()));
    std::unique_ptr<GstMessage, Unref> message(gst_bus_timed_pop_filtered(
        bus.get(), kLongest, static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR)));
    std::string why;
    if (!message) {
        why = "joining the sounds took too long";
    } else if (message->type == GST_MESSAGE_ERROR) {
        gst_message_parse_error(message.get(), &error, nullptr);
        why = error ? error->message : "the sounds could not be joined";
        g_clear_error(&error);
    }
    gst_element_set_state(pipeline.get(), GST_STATE_NULL);
    return why;
}

}  // namespace tollix
