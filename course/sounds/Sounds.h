#pragma once

// Everything the course's recordings are made with, in one include.
#include "course/sounds/Applause.h"
#include "course/sounds/Chant.h"
#include "course/sounds/Hold.h"
#include "course/sounds/Pcm.h"
#include "course/sounds/Speak.h"
#include "course/sounds/WriteMp3.h"
