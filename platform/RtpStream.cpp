#include "platform/RtpStream.h"

#include <QRandomGenerator>

#include <gst/gst.h>

namespace tollix {

namespace {

bool gstreamerReady() {
    static const bool ready = gst_init_check(nullptr, nullptr, nullptr);
    return ready;
}

}  // namespace

RtpStream::RtpStream(sound::StreamLine line, Report failed)
    : line_(std::move(line)), failed_(std::move(failed)) {}

RtpStream::~RtpStream() {
    drop();
}

bool RtpStream::build(const std::string& path) {
    drop();
    const std::string what = "stream rtp://" + line_.group + ":" + std::to_string(line_.port);
    if (!gstreamerReady()) {
        failed_(what + ": GStreamer could not be started");
        return false;
    }
    // 20 ms at 8 kHz: 160 samples a packet, as paging speakers expect.
    const std::string description =
        std::string(
            "uridecodebin name=src ! audioconvert ! audioresample ! "
            "audio/x-raw,rate=8000,channels=1 ! ") +
        (line_.alaw ? "alawenc ! rtppcmapay name=pay pt=8"
                    : "mulawenc ! rtppcmupay name=pay pt=0") +
        " min-ptime=20000000 max-ptime=20000000 ! udpsink name=out auto-multicast=true";
    GError* error = nullptr;
    GstElement* pipeline = gst_parse_launch(description.c_str(), &error);
    if (error) {
        failed_(what + ": " + error->message);
        g_error_free(error);
        if (pipeline)
            gst_object_unref(pipeline);
        return false;
    }
    gchar* uri = gst_filename_to_uri(path.c_str(), nullptr);
    GstElement* source = gst_bin_get_by_name(GST_BIN(pipeline), "src");
    g_object_set(source, "uri", uri, nullptr);
    gst_object_unref(source);
    g_free(uri);
    GstElement* pay = gst_bin_get_by_name(GST_BIN(pipeline), "pay");
    g_object_set(pay, "ssrc", QRandomGenerator::global()->generate(), nullptr);
    gst_object_unref(pay);
    GstElement* out = gst_bin_get_by_name(GST_BIN(pipeline), "out");
    g_object_set(out, "host", line_.group.c_str(), "port", line_.port, "ttl-mc", line_.ttl,
                 nullptr);
    if (!line_.iface.empty())
        g_object_set(out, "multicast-iface", line_.iface.c_str(), nullptr);
    gst_object_unref(out);
    pipeline_ = pipeline;
    loaded_ = path;
    if (gst_element_set_state(pipeline_, GST_STATE_PAUSED) == GST_STATE_CHANGE_FAILURE) {
        check();
        drop();
        return false;
    }
    return true;
}

void RtpStream::drop() {
    if (pipeline_) {
        gst_element_set_state(pipeline_, GST_STATE_NULL);
        gst_object_unref(pipeline_);
        pipeline_ = nullptr;
    }
    loaded_.clear();
    playing_ = false;
}

void RtpStream::warm(const std::string& path) {
    if (!playing_ && (loaded_ != path || !pipeline_))
        build(path);
}

bool RtpStream::startOpen(const std::string& path) {
    // One loaded and never played is the bell's already.
    if (pipeline_ && !playing_ && loaded_ == path)
        return true;
    return build(path);
}

bool RtpStream::finishOpen(std::chrono::milliseconds wait) {
    if (!pipeline_)
        return false;
    const auto result = gst_element_get_state(
        pipeline_, nullptr, nullptr,
        static_cast<GstClockTime>(std::max<long long>(wait.count(), 0)) * GST_MSECOND);
    if (result == GST_STATE_CHANGE_FAILURE) {
        check();
        drop();
        return false;
    }
    return true;
}

void RtpStream::play() {
    if (!pipeline_)
        return;
    playing_ = true;
    gst_element_set_state(pipeline_, GST_STATE_PLAYING);
}

void RtpStream::close() {
    check();
    drop();
}

void RtpStream::check() {
    if (!pipeline_)
        return;
    GstBus* bus = gst_element_get_bus(pipeline_);
    while (GstMessage* message = gst_bus_pop_filtered(bus, GST_MESSAGE_ERROR)) {
        GError* error = nullptr;
        gst_message_parse_error(message, &error, nullptr);
        failed_("stream rtp://" + line_.group + ":" + std::to_string(line_.port) + ": " +
                (error ? error->message : "failed"));
        if (error)
            g_error_free(error);
        gst_message_unref(message);
    }
    gst_object_unref(bus);
}

}  // namespace tollix
