#include "player/pitchkeepingsink.h"

#ifdef OVELIA_WITH_GSTREAMER

#include <QByteArray>
#include <gst/gst.h>

namespace {

const char kSinkVariable[] = "QT_GSTREAMER_PLAYBIN_AUDIOSINK";
const char kElementName[] = "oveliatemposink";
const char *const kNeeded[] = {"audioconvert", "scaletempo", "audioresample"};
// Floats into scaletempo, so that a silent sample is all zero bytes.
const char kStretch[] = "audioconvert ! audio/x-raw,format=F32LE ! scaletempo name=stretch"
                        " ! audioconvert ! audioresample";
constexpr gsize kSampleBytes = 4;

// A description of the sink that the environment named, which the bin wraps.
QByteArray g_wrappedSink;

bool HasElement(const char *name)
{
    GstElementFactory *factory = gst_element_factory_find(name);
    if (factory)
        gst_object_unref(factory);
    return factory != nullptr;
}

// The bytes that scaletempo puts out while it fills its first queue: the
// stride, its overlap with the next and the span searched for the best
// overlap, played more slowly below rate 1.
gsize FirstQueueBytes(GstElement *stretch, GstPad *output, gdouble playbackRate)
{
    guint strideMs = 0, searchMs = 0;
    gdouble overlap = 0;
    gint sampleRate = 0, channels = 0;
    g_object_get(stretch, "stride", &strideMs, "overlap", &overlap, "search", &searchMs, nullptr);
    GstCaps *caps = gst_pad_get_current_caps(output);
    if (caps) {
        const GstStructure *format = gst_caps_get_structure(caps, 0);
        gst_structure_get_int(format, "rate", &sampleRate);
        gst_structure_get_int(format, "channels", &channels);
        gst_caps_unref(caps);
    }
    const gdouble milliseconds = (strideMs * (1 + overlap) + searchMs) / MIN(playbackRate, 1.0);
    return gsize(sampleRate * milliseconds / 1000) * gsize(channels) * kSampleBytes;
}

// What is left to silence of what scaletempo stretches first after a flush;
// unknown until its first buffer.
struct Silence
{
    bool flushed = false;
    gsize bytes = 0;
};

// scaletempo (GStreamer 1.22) begins what it stretches after a flush (a
// seek, a rate change, the next recording) with stale memory, a loud click;
// what it puts out while it fills its first queue (50 ms at a rate above 1,
// 100 ms at 0.5) is made silent. At rate 1 it passes the samples on untouched.
GstPadProbeReturn SilenceFirstStride(GstPad *output, GstPadProbeInfo *info, gpointer data)
{
    Silence &silence = *static_cast<Silence *>(data);
    // A flush start comes from the seeking thread while buffers still flow; a
    // flush stop comes while the streaming thread waits, as the next buffer.
    if (info->type & GST_PAD_PROBE_TYPE_EVENT_FLUSH) {
        if (GST_EVENT_TYPE(GST_PAD_PROBE_INFO_EVENT(info)) == GST_EVENT_FLUSH_STOP)
            silence.flushed = true;
        return GST_PAD_PROBE_OK;
    }
    if (silence.flushed) {
        silence.flushed = false;
        GstElement *stretch = gst_pad_get_parent_element(output);
        gdouble rate = 1.0;
        g_object_get(stretch, "rate", &rate, nullptr);
        silence.bytes = rate == 1.0 ? 0 : FirstQueueBytes(stretch, output, rate);
        gst_object_unref(stretch);
    }
    if (silence.bytes == 0)
        return GST_PAD_PROBE_OK;
    GstBuffer *buffer = gst_buffer_make_writable(GST_PAD_PROBE_INFO_BUFFER(info));
    GST_PAD_PROBE_INFO_DATA(info) = buffer;
    const gsize silenced = MIN(silence.bytes, gst_buffer_get_size(buffer));
    gst_buffer_memset(buffer, 0, 0, silenced);
    silence.bytes -= silenced;
    return GST_PAD_PROBE_OK;
}

void InitClass(gpointer elementClass, gpointer)
{
    gst_element_class_set_static_metadata(GST_ELEMENT_CLASS(elementClass),
                                          "Pitch-keeping audio sink", "Sink/Audio",
                                          "Plays at any rate with the pitch of rate 1",
                                          "Ovelia");
}

// The bin: the stretch, then the wrapped sink; its sink pad is the
// stretch's. Left empty when either cannot be made, which the player then
// reports as for a sink it cannot make.
void InitInstance(GTypeInstance *instance, gpointer)
{
    GstElement *stretch = gst_parse_bin_from_description(kStretch, TRUE, nullptr);
    GstElement *sink = gst_parse_bin_from_description(g_wrappedSink.constData(), TRUE, nullptr);
    if (!stretch || !sink) {
        for (GstElement *made : {stretch, sink})
            if (made)
                gst_object_unref(made);
        return;
    }
    GstBin *bin = GST_BIN(instance);
    gst_bin_add_many(bin, stretch, sink, nullptr);
    gst_element_link(stretch, sink);
    GstElement *scaletempo = gst_bin_get_by_name(GST_BIN(stretch), "stretch");
    GstPad *output = gst_element_get_static_pad(scaletempo, "src");
    gst_pad_add_probe(output, GstPadProbeType(GST_PAD_PROBE_TYPE_BUFFER | GST_PAD_PROBE_TYPE_EVENT_FLUSH),
                      SilenceFirstStride, new Silence,
                      [](gpointer silence) { delete static_cast<Silence *>(silence); });
    gst_object_unref(output);
    gst_object_unref(scaletempo);
    GstPad *input = gst_element_get_static_pad(stretch, "sink");
    gst_element_add_pad(GST_ELEMENT(bin), gst_ghost_pad_new("sink", input));
    gst_object_unref(input);
}

GType TempoSinkType()
{
    static const GType type = g_type_register_static_simple(
        GST_TYPE_BIN, "OveliaTempoSink", sizeof(GstBinClass), InitClass, sizeof(GstBin),
        InitInstance, GTypeFlags(0));
    return type;
}

} // namespace

void KeepPitchAtAnyRate()
{
    const QByteArray named = qgetenv(kSinkVariable);
    if (named == kElementName || !gst_init_check(nullptr, nullptr, nullptr))
        return;
    for (const char *name : kNeeded)
        if (!HasElement(name))
            return;
    g_wrappedSink = named.isEmpty() ? QByteArray("autoaudiosink") : named;
    if (gst_element_register(nullptr, kElementName, GST_RANK_NONE, TempoSinkType()))
        qputenv(kSinkVariable, kElementName);
}

#else

void KeepPitchAtAnyRate()
{
}

#endif
