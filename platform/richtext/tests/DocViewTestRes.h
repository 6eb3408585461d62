#pragma once
#define IDR_TEST_TXTYPE 200
#define IDR_TEST_TXFRAME 201
