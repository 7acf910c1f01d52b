// Comparing each mark's run of pitches with the length its bars fill.
#include "check/mark_spans.h"

#include <array>
#include <cmath>
#include <optional>

#include "input/design_records.h"

namespace lwall {

namespace {

// Runs and spans are whole millimetres in any real design; a run this far
// from its span is not rounding.
constexpr double kRunTolerance = 0.5;

enum Mark { kF1, kF2, kF3, kF4, kW1, kW2, kW3, kW4, kW5 };

// One value the span is made of, and whether it adds to the span or takes
// from it (a cover at either end).
struct Term {
  DesignFieldId field;
  int sign;
  bool cover;
};

// One mark, or one segment of a mark, whose bars are spread over the span.
struct Member {
  int mark;
  int segment;  // 0: every segment in use
};

struct SpanRule {
  Span span;
  std::array<Term, 5> terms;
  int term_count;
  std::array<Member, 3> members;
  int member_count;
};

constexpr std::array<SpanRule, 4> kRules = {{
    {Span::kFooting,
     {{{{1, 0}, 1, false},
       {{1, 1}, 1, false},
       {{1, 2}, 1, false},
       {{4, 4}, -1, true},
       {{4, 5}, -1, true}}},
     5,
     {{{kF3, 0}, {kF4, 0}}},
     2},
    {Span::kWall,
     {{{{2, 0}, 1, false}, {{4, 1}, 1, true}, {{5, 0}, -1, true}}},
     3,
     {{{kW3, 0}, {kW4, 0}}},
     2},
    {Span::kRightHalf, {{{{3, 1}, 1, false}}}, 1, {{{kF1, 0}, {kW1, 0}, {kW5, 1}}}, 3},
    {Span::kLeftHalf, {{{{3, 0}, 1, false}}}, 1, {{{kF2, 0}, {kW2, 0}, {kW5, 2}}}, 3},
}};

double ValueOf(const DesignData& d, DesignFieldId field) {
  return DesignFieldValue(d, field.record, field.index);
}

// How round a length is: 6 for a multiple of 1000, 5 of 500, down to 1 for a
// multiple of 5 and 0 for any other whole number; -1 for a fraction. Lengths
// that people choose are round, so of two readings of a mistake the one that
// makes the value rounder is the likelier.
int Roundness(double value) {
  const double whole = std::round(value);
  if (std::fabs(value - whole) > 1e-6 || std::fabs(whole) > 1e12) return -1;
  const auto n = static_cast<long long>(std::fabs(whole));
  if (n == 0) return 0;
  static constexpr std::array<long long, 6> kSteps = {1000, 500, 100, 50, 10, 5};
  for (std::size_t i = 0; i < kSteps.size(); ++i) {
    if (n % kSteps[i] == 0) return static_cast<int>(kSteps.size() - i);
  }
  return 0;
}

class Finder {
 public:
  Finder(const DesignData& d, const std::function<bool(DesignFieldId)>& in_use,
         const std::function<bool(DesignFieldId)>& doubtful,
         const std::function<bool(DesignFieldId)>& unread)
      : d_(d), in_use_(in_use), doubtful_(doubtful), unread_(unread) {}

  std::vector<SpanMiss> Find() {
    for (const SpanRule& rule : kRules) Compare(rule);
    return std::move(misses_);
  }

 private:
  // A member that lays bars along the span, its segments and their run.
  struct Laid {
    Member member;
    std::vector<int> segments;
    double run;
  };
  using Segment = std::pair<int, std::pair<double, int>>;  // segment, (pitch, count)

  static DesignFieldId PitchField(int mark, int s) { return {MarkRecordNumber(mark, 2), s - 1}; }
  static DesignFieldId CountField(int mark, int s) { return {MarkRecordNumber(mark, 3), s - 1}; }
  static DesignFieldId DiameterField(int mark, int s) { return {MarkRecordNumber(mark, 1), s - 1}; }

  // The segments of a member, from among all five or its one, for which
  // `keep` holds.
  template <typename Keep>
  static std::vector<int> SegmentsWhere(const Member& m, Keep keep) {
    std::vector<int> segments;
    for (int s = m.segment == 0 ? 1 : m.segment; s <= (m.segment == 0 ? 5 : m.segment); ++s) {
      if (keep(s)) segments.push_back(s);
    }
    return segments;
  }

  // The segments of a member that the sheet lays along the span.
  std::vector<int> Segments(const Member& m) {
    return SegmentsWhere(
        m, [&](int s) { return in_use_(PitchField(m.mark, s)) || in_use_(CountField(m.mark, s)); });
  }

  // The segments of a member that hold a pitch and a number of pitches.
  std::vector<int> Holding(const Member& m) const {
    const BarArrangement& bar = MarkArrangement(d_, m.mark);
    return SegmentsWhere(m, [&](int s) {
      const auto i = static_cast<std::size_t>(s);
      return bar.pitch[i] != 0 && bar.pitch_count[i] != 0;
    });
  }

  // The pitch and number of pitches of each of `segments` of `mark`.
  void AddSegments(int mark, const std::vector<int>& segments, std::vector<Segment>& out) const {
    const BarArrangement& bar = MarkArrangement(d_, mark);
    for (const int s : segments) {
      const auto i = static_cast<std::size_t>(s);
      out.push_back({s, {bar.pitch[i], bar.pitch_count[i]}});
    }
  }

  // The member's run, or none when it lays no bars or reads a value not
  // read whole.
  std::optional<double> Run(const Member& m, const std::vector<int>& segments) {
    const BarArrangement& bar = MarkArrangement(d_, m.mark);
    double run = 0;
    bool bars = false;
    for (const int s : segments) {
      if (unread_(PitchField(m.mark, s)) || unread_(CountField(m.mark, s)) ||
          unread_(DiameterField(m.mark, s))) {
        return std::nullopt;
      }
      const auto i = static_cast<std::size_t>(s);
      if (bar.diameter[i] != 0) bars = true;
      run += std::max(0.0, bar.pitch[i] * bar.pitch_count[i]);
    }
    if (!bars || !std::isfinite(run)) return std::nullopt;
    return run;
  }

  void Compare(const SpanRule& rule) {
    double length = 0;
    for (int t = 0; t < rule.term_count; ++t) {
      const Term& term = rule.terms[static_cast<std::size_t>(t)];
      if (unread_(term.field)) return;
      length += term.sign * ValueOf(d_, term.field);
    }
    if (!(length >= 0) || !std::isfinite(length)) return;

    std::vector<Laid> laid;
    for (int k = 0; k < rule.member_count; ++k) {
      const Member& member = rule.members[static_cast<std::size_t>(k)];
      // Whether a segment is in use takes a drawing to tell. The segments
      // that hold bars fill the span in any sound design, and then those in
      // use, among them, do too; only a member that misses it is asked.
      std::vector<int> segments = Holding(member);
      std::optional<double> run = Run(member, segments);
      if (!run || std::fabs(*run - length) > kRunTolerance) {
        segments = Segments(member);
        run = Run(member, segments);
      }
      if (run) laid.push_back({member, std::move(segments), *run});
    }
    std::vector<const Laid*> missing;
    for (const Laid& l : laid) {
      if (std::fabs(l.run - length) > kRunTolerance) missing.push_back(&l);
    }
    if (missing.empty()) return;
    bool alike = laid.size() >= 2 && missing.size() == laid.size();
    for (const Laid& l : laid) alike = alike && std::fabs(l.run - laid[0].run) <= kRunTolerance;
    if (alike) {
      misses_.push_back(
          {rule.span, length, laid[0].run, -1, 0, SpanSuspect(rule, laid[0].run - length)});
      return;
    }
    for (const Laid* l : missing) {
      // The other marks along the span, as they read, for the likelier
      // mistake of this one.
      std::vector<Segment> others;
      for (const Laid& o : laid) {
        if (&o != l) AddSegments(o.member.mark, o.segments, others);
      }
      // A mark laid along the span with one segment has its other segments
      // to go by too.
      if (l->member.segment != 0) {
        const BarArrangement& bar = MarkArrangement(d_, l->member.mark);
        AddSegments(l->member.mark,
                    SegmentsWhere({l->member.mark, 0},
                                  [&](int s) {
                                    const auto i = static_cast<std::size_t>(s);
                                    return s != l->member.segment && bar.pitch[i] > 0 &&
                                           bar.pitch_count[i] > 0;
                                  }),
                    others);
      }
      misses_.push_back({rule.span, length, l->run, l->member.mark, l->member.segment,
                         RunSuspect(*l, l->run - length, others)});
    }
  }

  // Whether `to` is rounder than `from` (1), as round (0) or less (-1).
  static int Rounder(double to, double from) {
    const int gain = Roundness(to) - Roundness(from);
    return gain > 0 ? 1 : gain < 0 ? -1 : 0;
  }

  // The value of the span most likely mistyped when every mark misses it by
  // `excess`: a value with a finding of its own; else the one that mending
  // makes rounder, a side cover made equal to the other side's counting for
  // more; the first of the span's values, a length, when nothing tells. A
  // mending that would give a cover no wall has is no candidate.
  DesignFieldId SpanSuspect(const SpanRule& rule, double excess) {
    DesignFieldId best = rule.terms[0].field;
    int best_score = -1000;
    for (int t = 0; t < rule.term_count; ++t) {
      const Term& term = rule.terms[static_cast<std::size_t>(t)];
      if (doubtful_(term.field)) return term.field;
      const double value = ValueOf(d_, term.field);
      const double mended = value + term.sign * excess;
      const bool possible = term.cover ? mended >= kThinnestCover && mended <= kThickestCover
                                       : mended > 0 || (mended == 0 && term.field.index == 0);
      if (!possible) continue;
      int score = Rounder(mended, value);
      for (int u = 0; u < rule.term_count && term.cover; ++u) {
        const Term& other = rule.terms[static_cast<std::size_t>(u)];
        if (u != t && other.cover && ValueOf(d_, other.field) == mended) score += 2;
      }
      if (score > best_score) {
        best = term.field;
        best_score = score;
      }
    }
    return best;
  }

  // The value of a mark most likely mistyped when its run is `excess` too
  // long: a value with a finding of its own; a segment count that, mended,
  // would make the run fill the span; else the pitch or number of pitches
  // whose mending gives a segment that another mark along the span has too
  // (most of all in the same segment; the more, the likelier), or a rounder
  // pitch; two values of a record swapped; a pitch before a number of
  // pitches when nothing tells, as it has more digits to mistype.
  DesignFieldId RunSuspect(const Laid& l, double excess, const std::vector<Segment>& others) {
    const int mark = l.member.mark;
    const BarArrangement& bar = MarkArrangement(d_, mark);
    for (const int s : l.segments) {
      if (doubtful_(PitchField(mark, s))) return PitchField(mark, s);
      if (doubtful_(CountField(mark, s))) return CountField(mark, s);
    }
    const DesignFieldId segment_count{MarkRecordNumber(mark, 0), 0};
    if (l.member.segment == 0 && in_use_(segment_count) && !unread_(segment_count)) {
      double run = 0;
      for (int k = 1; k <= 5; ++k) {
        const auto i = static_cast<std::size_t>(k);
        run += std::max(0.0, bar.pitch[i] * bar.pitch_count[i]);
        if (k != bar.segment_count && std::fabs(run - (l.run - excess)) <= kRunTolerance) {
          return segment_count;
        }
      }
    }
    // Each other segment laid alike speaks for the mending.
    auto shared = [&](int s, double pitch, double count) {
      int score = 0;
      for (const auto& [segment, pair] : others) {
        if (pair.first == pitch && pair.second == count) score += segment == s ? 4 : 2;
      }
      return score;
    };
    DesignFieldId best = PitchField(mark, l.segments.front());
    int best_score = -1000;
    const auto consider = [&](DesignFieldId field, int score) {
      if (score > best_score) {
        best = field;
        best_score = score;
      }
    };
    double longest = 0;
    for (const int s : l.segments) {
      const auto i = static_cast<std::size_t>(s);
      const double pitch = bar.pitch[i];
      const int count = bar.pitch_count[i];
      if (best_score == -1000 && pitch * count > longest) {
        longest = pitch * count;
        best = PitchField(mark, s);
      }
      if (count > 0) {
        // A mistyped number of pitches mends to a pitch that is seldom whole.
        const double mended = pitch - excess / count;
        if (mended > 0 && Roundness(mended) >= 0) {
          consider(PitchField(mark, s), 1 + shared(s, mended, count) + Rounder(mended, pitch));
        }
      }
      if (pitch > 0) {
        const double mended = count - excess / pitch;
        const double whole = std::round(mended);
        if (whole >= 0 && std::fabs(mended - whole) < 1e-6) {
          consider(CountField(mark, s), shared(s, pitch, whole));
        }
      }
    }
    // Two values of one record written in each other's place: the pitches
    // and the numbers of pitches swapped give the same run, so the segments
    // that another mark shares tell which record holds the swap.
    for (std::size_t a = 0; a < l.segments.size(); ++a) {
      for (std::size_t b = a + 1; b < l.segments.size(); ++b) {
        const int s = l.segments[a];
        const int t = l.segments[b];
        const double ps = bar.pitch[static_cast<std::size_t>(s)];
        const double pt = bar.pitch[static_cast<std::size_t>(t)];
        const int cs = bar.pitch_count[static_cast<std::size_t>(s)];
        const int ct = bar.pitch_count[static_cast<std::size_t>(t)];
        if (std::fabs((pt - ps) * (cs - ct) + excess) > kRunTolerance) continue;
        const int counts = shared(s, ps, ct) + shared(t, pt, cs);
        const int pitches = shared(s, pt, cs) + shared(t, ps, ct);
        consider(counts > pitches ? CountField(mark, s) : PitchField(mark, s),
                 2 + std::max(counts, pitches));
      }
    }
    return best;
  }

  const DesignData& d_;
  const std::function<bool(DesignFieldId)>& in_use_;
  const std::function<bool(DesignFieldId)>& doubtful_;
  const std::function<bool(DesignFieldId)>& unread_;
  std::vector<SpanMiss> misses_;
};

}  // namespace

std::vector<SpanMiss> FindSpanMisses(const DesignData& design,
                                     const std::function<bool(DesignFieldId)>& in_use,
                                     const std::function<bool(DesignFieldId)>& doubtful,
                                     const std::function<bool(DesignFieldId)>& unread) {
  return Finder(design, in_use, doubtful, unread).Find();
}

}  // namespace lwall
