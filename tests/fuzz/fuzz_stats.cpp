// The statistics values on any bytes: decoding a stored won/lost value never fails hard and gives
// a count the field can hold; a value made for any count decodes to it again; a whole
// "Stat_uni.dat" of these bytes reads as counts, as damaged, or as unreadable, never worse.

#include "fuzz/FuzzFiles.h"
#include "model/Random.h"
#include "model/Session.h"
#include "select/StatisticsFiles.h"
#include "select/StatisticsText.h"

#include <cstring>

using namespace quillon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::uint32_t head = 0;
    std::memcpy(&head, data, std::min<size_t>(size, sizeof head));
    const int game = static_cast<int>(head % 10000);
    for (StatCounter counter : {StatCounter::Won, StatCounter::Lost}) {
        if (const auto count = DecodeStatValue(counter, game, bytes);
            count && (*count < 0 || *count > 999999))
            fuzz::Fail("a decoded count the field cannot hold");
        // Any count the field holds survives being stored and read back.
        RandomGenerator random;
        random.seed = head;
        const int count = static_cast<int>((head >> 8) % 1000000);
        const auto back = DecodeStatValue(counter, game, MakeStatValue(counter, game, count, random));
        if (!back || *back != count)
            fuzz::Fail("a stored count does not decode to itself");
        if (Unscramble(Scramble(bytes, StatsKey), StatsKey) != bytes)
            fuzz::Fail("scrambling does not undo");
    }
    fuzz::WriteInput("Stat_uni.dat", data, size);
    Session s;
    s.DataFolder = fuzz::Folder();
    (void)ReadUniqueCounts(s, "Player 1", 87);
    (void)ReadUniqueCounts(s, "Player 1", game);
    return 0;
}
