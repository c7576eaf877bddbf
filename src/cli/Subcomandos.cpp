#include "cli/Cli.h"

// Every subcommand, in the order --help lists them. Each lives in a file of its own.
namespace cli {

int cmdInterpret(Contexto&, const std::vector<std::string>&);
int cmdNameCode(Contexto&, const std::vector<std::string>&);
int cmdTranspose(Contexto&, const std::vector<std::string>&);
int cmdInstruments(Contexto&, const std::vector<std::string>&);
int cmdGenerate(Contexto&, const std::vector<std::string>&);
int cmdFingers(Contexto&, const std::vector<std::string>&);
int cmdScales(Contexto&, const std::vector<std::string>&);
int cmdScale(Contexto&, const std::vector<std::string>&);
int cmdChords(Contexto&, const std::vector<std::string>&);
int cmdChord(Contexto&, const std::vector<std::string>&);
int cmdRecognize(Contexto&, const std::vector<std::string>&);
int cmdName(Contexto&, const std::vector<std::string>&);
int cmdDevices(Contexto&, const std::vector<std::string>&);
int cmdPlay(Contexto&, const std::vector<std::string>&);
int cmdPlayScale(Contexto&, const std::vector<std::string>&);
int cmdSheetChords(Contexto&, const std::vector<std::string>&);
int cmdSheetTranspose(Contexto&, const std::vector<std::string>&);

const std::vector<Subcomando>& subcomandos() {
    static const std::vector<Subcomando> lista = {
        {"interpret", "SYMBOL", "read a chord symbol: its code, canonical name, root, bass and degrees", cmdInterpret},
        {"name-code", "CODE", "the canonical name of a chord code", cmdNameCode},
        {"transpose", "SYMBOL SEMITONES DIRECTION", "transpose a chord symbol (DIRECTION 0 up, 1 down)", cmdTranspose},
        {"instruments", "", "the instrument list, built-ins first: strings, frets, span, sound, tuning", cmdInstruments},
        {"generate", "SYMBOL [--instrument INDEX | --tuning \"PITCHES\" [--frets N] [--span N]]",
         "every playable fingering of a chord, in the generator's order", cmdGenerate},
        {"fingers", "--frets \"F F ...\" [--fret-count N]", "the finger assignments of a fret pattern, best first",
         cmdFingers},
        {"chords", "", "the ready-made chord list, in list order", cmdChords},
        {"chord", "SYMBOL [--instrument INDEX | --tuning \"PITCHES\" [--frets N] [--span N]]",
         "select a chord as the program does and list every fingering it steps through", cmdChord},
        {"recognize", "--pitches \"P P ...\" --root PITCH",
         "the chord code and canonical name of sounding pitches (-1 = string not played)", cmdRecognize},
        {"name", "--pitches \"P P ...\" [--root PITCH]",
         "name sounding pitches as the neck does, in the chord list's own wording", cmdName},
        {"scales", "", "the scale names of the language's scale file, in file order", cmdScales},
        {"scale", "(--name NAME | --offsets \"0 2 4 ...\") --key KEY [--instrument INDEX | --tuning \"PITCHES\" [--frets N]]",
         "every position of a scale in a key (0-11 or a key name), easiest first", cmdScale},
        {"devices", "", "the MIDI output devices in device order (0, also -1: the built-in synthesizer)", cmdDevices},
        {"play", "SYMBOL [--instrument INDEX | --tuning \"PITCHES\" [--frets N] [--span N]] [--device N | --wav FILE]",
         "strum the chord's first fingering, 160 ms per string, to a MIDI device or into a WAV file", cmdPlay},
        {"play-scale",
         "(--name NAME | --offsets \"0 2 4 ...\") --key KEY [--position I] [--tempo MS] [--instrument INDEX | "
         "--tuning \"PITCHES\" [--frets N]] [--device N | --wav FILE]",
         "play a scale position (I from 0, easiest first) note by note, 1000 ms or MS per note", cmdPlayScale},
        {"sheet-chords", "[--utf8]",
         "read a chord sheet on standard input: each line's kind (chord or lyric) and the chords an import takes",
         cmdSheetChords},
        {"sheet-transpose", "DIRECTION [--steps N] [--utf8]",
         "transpose a chord sheet from standard input N semitones (default 1; DIRECTION 0 up, 1 down)",
         cmdSheetTranspose},
    };
    return lista;
}

}  // namespace cli
