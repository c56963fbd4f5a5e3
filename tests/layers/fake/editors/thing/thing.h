#pragma once
int Thing();
