#include "game/engine/turn_player.h"

namespace orbello {

namespace {

constexpr int kBallColumns = 24;

// Walk picture columns.
enum WalkColumn : int { kWalkRight = 0, kWalkLeft = 1, kWalkUp = 2, kWalkDown = 3 };

// The column of the step from q to p, or -1 for a step that is none of the four.
int WalkColumnOf(const TCellPoint& q, const TCellPoint& p) {
  if (p.X == q.X && p.Y > q.Y) {
    return kWalkDown;
  }
  if (p.X == q.X && p.Y < q.Y) {
    return kWalkUp;
  }
  if (p.X > q.X && p.Y == q.Y) {
    return kWalkRight;
  }
  if (p.X < q.X && p.Y == q.Y) {
    return kWalkLeft;
  }
  return -1;
}

}  // namespace

bool TurnPlayer::ShowsPreviews() const {
  return orbello::ShowsPreviews(settings_.NextColors);
}

bool TurnPlayer::ShowsMarks() const {
  return orbello::ShowsMarks(settings_.NextColors);
}

void TurnPlayer::PlaySelection(const rules::ClickResult& click, const Position& before) {
  if (click.previous.X != kNone) {
    const int32_t color = before.Board[CellNumber(click.previous.X, click.previous.Y)].Color;
    DrawBall(kFrameRest, color, click.previous.X, click.previous.Y);
  }
  RestartJump();
}

void TurnPlayer::PlayJumpTick(const Position& position) {
  constexpr int kFrameJumpLast = 24;  // one past the picture: that tick draws nothing
  constexpr int kFrameJumpSound = 20;
  const int32_t x = position.SelX;
  const int32_t y = position.SelY;
  // Frame 24 lies beyond the picture: that tick leaves the cell as the previous one drew it, which
  // keeps the nine-tick cycle and the place of the sound.
  if (jump_frame_ >= kFrameJumpFirst && jump_frame_ < kFrameJumpLast) {
    DrawBall(jump_frame_, position.Board[CellNumber(x, y)].Color, x, y);
  }
  jump_frame_ = jump_frame_ >= kFrameJumpLast ? kFrameJumpFirst : jump_frame_ + 1;
  if (jump_frame_ == kFrameJumpSound && settings_.CheckJump && !world_.IsMinimized()) {
    world_.PlaySoundFileIfIdle(settings_.Sound_Jump);
  }
}

void TurnPlayer::PlayMove(const rules::MoveResult& move, const Position& before) {
  const TCellPoint from = move.from;
  const TCellPoint to = move.to;
  const int32_t color = move.color;
  // With the path shown the ball waits on its cell; otherwise it leaves it at once.
  if (settings_.ShowWalk) {
    DrawBall(kFrameRest, color, from.X, from.Y);
  } else {
    DrawEmpty(from.X, from.Y);
  }
  AnimateWalk(move.path, color, WalkMode::kShowing, before.NextBalls);
  if (settings_.ShowWalk) {
    AnimateWalk(move.path, color, WalkMode::kErasing, before.NextBalls);
  }
  DrawEmpty(from.X, from.Y);
  DrawBall(kFrameRest, color, to.X, to.Y);
  PlayRemoval(move.removal, move.moved.Score);
  if (move.slot >= 0 && ShowsMarks()) {
    const TNextBall& slot = move.moved.NextBalls[move.slot];
    if (move.reservation == rules::Reservation::kMarkAgain ||
        (move.reservation == rules::Reservation::kNewCellAnnounced && slot.X != kNone)) {
      DrawBall(kFrameMark, slot.Color, slot.X, slot.Y);
    }
  }
  RestartJump();
  if (move.end) {
    PlayTurnEnd(*move.end, move.moved);
  }
}

void TurnPlayer::PlayTurnEnd(const rules::TurnEnd& end, const Position& before) {
  AnimateAppearance(before.NextBalls);
  // The score grows removal by removal, each once its balls have broken.
  uint32_t score = before.Score;
  for (const rules::Removal& removal : end.removals) {
    score += removal.points;
    PlayRemoval(removal, score);
  }
  if (!end.game_over) {
    for (int slot = 0; slot < 3; ++slot) {
      Announce(slot, end.reserved.NextBalls);
    }
  }
}

void TurnPlayer::PlayRemoval(const rules::Removal& removal, uint32_t score) {
  if (removal.count() == 0) {
    return;
  }
  AnimateDestroy(removal.cells, removal.color);
  screen_.DrawNumber(NumberDisplay::kScore, score);
}

void TurnPlayer::PlayNoPath() {
  if (settings_.CheckNoPath) {
    world_.PlaySoundFile(settings_.Sound_NoPath);
  }
}

void TurnPlayer::PlayStartBalls(const std::vector<TNextBall>& balls) {
  for (const TNextBall& ball : balls) {
    DrawBall(kFrameRest, ball.Color, ball.X, ball.Y);
  }
}

void TurnPlayer::AnimateWalk(const std::vector<TCellPoint>& points, int32_t color, WalkMode mode,
                             const TNextBalls& next) {
  for (size_t i = 1; i < points.size(); ++i) {
    const TCellPoint& p = points[i];
    if (mode == WalkMode::kErasing) {
      RestoreCell(p.X, p.Y, next);
      continue;
    }
    if (settings_.ShowWalk) {
      const int column = WalkColumnOf(points[i - 1], p);
      if (column >= 0 && OnBoard(p.X, p.Y)) {
        screen_.DrawBallFrame(column, 0, Picture::kWalk, CellNumber(p.X, p.Y));
      }
    } else {
      DrawBall(kFrameRest, color, p.X, p.Y);
    }
    if (settings_.CheckMove) {
      world_.PlaySoundFile(settings_.Sound_Move);
    }
    world_.WaitMs(settings_.Delay_Move);
    if (!settings_.ShowWalk) {
      RestoreCell(p.X, p.Y, next);
    }
  }
}

void TurnPlayer::AnimateDestroy(const std::vector<TCellPoint>& cells, int32_t color) {
  for (int frame = 1; frame <= 10; ++frame) {
    for (const TCellPoint& p : cells) {
      if (frame < 10) {
        DrawBall(frame, color, p.X, p.Y);
      } else {
        DrawEmpty(p.X, p.Y);
      }
    }
    // The sound starts once the first breaking frame shows on every cell.
    if (frame == 1 && settings_.CheckDestroy) {
      world_.PlaySoundFile(settings_.Sound_Destroy);
    }
    if (frame < 10) {
      world_.WaitMs(settings_.Delay_Destroy);
    }
  }
}

void TurnPlayer::AnimateAppearance(const TNextBalls& next) {
  for (const TNextBall& slot : next) {
    if (slot.X == kNone) {
      return;
    }
  }
  for (int i = 0; i < 4; ++i) {
    for (const TNextBall& slot : next) {
      DrawBall(kFrameAppear + i, slot.Color, slot.X, slot.Y);
    }
    world_.WaitMs(settings_.Delay_Appearance);
  }
  for (const TNextBall& slot : next) {
    DrawBall(kFrameRest, slot.Color, slot.X, slot.Y);
  }
}

void TurnPlayer::DrawBall(int frame, int32_t color, int32_t x, int32_t y) {
  // A colour outside the picture (only a hand-made game state can bring one) shows as empty
  // rather than reading beyond the balls picture.
  if (!OnBoard(x, y)) {
    return;
  }
  if (IsColor(color) && frame >= 0 && frame < kBallColumns) {
    screen_.DrawBallFrame(frame, color, Picture::kBalls, CellNumber(x, y));
  } else {
    screen_.DrawEmptyCell(CellNumber(x, y));
  }
}

void TurnPlayer::DrawEmpty(int32_t x, int32_t y) {
  if (OnBoard(x, y)) {
    screen_.DrawEmptyCell(CellNumber(x, y));
  }
}

void TurnPlayer::RestoreCell(int32_t x, int32_t y, const TNextBalls& next) {
  if (ShowsMarks()) {
    for (const TNextBall& slot : next) {
      if (slot.X == x && slot.Y == y) {
        DrawBall(kFrameMark, slot.Color, x, y);
        return;
      }
    }
  }
  DrawEmpty(x, y);
}

void TurnPlayer::Announce(int slot, const TNextBalls& next) {
  const TNextBall& ball = next[slot];
  // The display mode may have changed while no ball was announced, when nothing redraws the
  // previews.
  if (previews_visible_[slot] != ShowsPreviews()) {
    SetPreviewVisible(slot, ShowsPreviews());
  }
  if (ShowsPreviews() && IsColor(ball.Color)) {
    screen_.DrawPreview(slot, ball.Color);
  }
  if (ShowsMarks()) {
    DrawBall(kFrameMark, ball.Color, ball.X, ball.Y);
  }
}

void TurnPlayer::RefreshNextBalls(const Position& position, RefreshReason reason) {
  for (int slot = 0; slot < 3; ++slot) {
    const TNextBall& ball = position.NextBalls[slot];
    if (ball.X == kNone) {
      continue;
    }
    if (ShowsPreviews()) {
      SetPreviewVisible(slot, true);
      if (IsColor(ball.Color)) {
        screen_.DrawPreview(slot, ball.Color);
      }
    } else {
      for (int i = 0; i < 3; ++i) {
        SetPreviewVisible(i, false);
      }
    }
    if (ShowsMarks()) {
      DrawBall(kFrameMark, ball.Color, ball.X, ball.Y);
    } else if (reason == RefreshReason::kDisplayMode) {
      DrawEmpty(ball.X, ball.Y);
    }
  }
}

void TurnPlayer::ShowPreviews() {
  if (ShowsPreviews()) {
    for (int slot = 0; slot < 3; ++slot) {
      SetPreviewVisible(slot, true);
    }
  }
}

void TurnPlayer::SetPreviewVisible(int slot, bool visible) {
  previews_visible_[slot] = visible;
  screen_.SetPreviewVisible(slot, visible);
}

void TurnPlayer::RedrawBoard(const Position& position) {
  for (int x = 0; x < kBoardSize; ++x) {
    for (int y = 0; y < kBoardSize; ++y) {
      const int n = CellNumber(x, y);
      screen_.DrawEmptyCell(n);
      if (position.Board[n].Color != kEmpty) {
        DrawBall(kFrameRest, position.Board[n].Color, x, y);
      }
    }
  }
}

void TurnPlayer::ShowLoaded(const Position& position) {
  for (int n = 0; n < kCellCount; ++n) {
    const int32_t color = position.Board[n].Color;
    if (color == kEmpty) {
      screen_.DrawEmptyCell(n);
    } else {
      DrawBall(kFrameRest, color, CellX(n), CellY(n));
    }
  }
  for (int slot = 0; slot < 3; ++slot) {
    if (position.NextBalls[slot].X != kNone) {
      Announce(slot, position.NextBalls);
    }
  }
}

}  // namespace orbello
